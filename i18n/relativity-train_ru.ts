<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>Интерактивная демонстрация специальной теории относительности для обучения.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>Использовать этот язык (de, fr, ...) вместо системного.</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>Начать с этими цветами: projector (высокий контраст) или usual.</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>Показать оба окна крупнее, в процентах: от 100 до 300.</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>Дальше</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Местн. время</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>Сокращение длины</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Демо</translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation>Выберите демонстрацию</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>Выберите скорость v</translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation>Круговая трасса</translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation>Поезд на круговой трассе</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>Длинная трасса</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>Поезд на длинной трассе</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>Эффект Террелла</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>Эффект Террелла?</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>Наблюдатель стоит в центре круговой трассы.</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>Наблюдатель стоит в центре левого полукруга длинной трассы.</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>Наблюдатель стоит под двумя прямыми, вдоль которых проходит тело с двумя длинными краями.</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Поезд остановился, но свет, ушедший от него во время движения, ещё приходит: видимые концы ещё немного ползут вперёд.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>Вблизи c каждое нажатие v &gt; вдвое уменьшает остаток до c: осталось %1, и поезд никогда не достигает c.</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>Поезд стоит, поэтому наблюдатель видит его там, где он на самом деле.</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>Ещё не запускалась ни одна демонстрация. Выберите её и нажмите «Выбрать».</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1, c = %2.</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>Сокращение длины выключено.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>Запуск завершён.</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>Картинка — стоп-кадр.</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1: запуск.</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>Движение уменьшено: запуск начинается со стоп-кадра на первом кадре. «Дальше» продолжает его.</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>Сокращение длины включено.</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>Сокращение длины выключено.</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>Стоп-кадр.</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1.</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Тело остановилось, но свет, ушедший от него во время движения, ещё приходит: видимые концы ещё немного ползут вперёд.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>Вблизи c каждое нажатие v &gt; вдвое уменьшает остаток до c: осталось %1, и тело никогда не достигает c.</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>Тело стоит, поэтому наблюдатель видит его там, где оно на самом деле.</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>Свет от переднего конца дальнего края ушёл на %1 единиц времени раньше света от переднего конца ближнего края: дальний край виден таким, каким он был раньше, и тело кажется повёрнутым.</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>Свет от обоих концов идёт одинаково долго, поэтому видимый поезд сохраняет истинную длину и отстаёт от истинного поезда на %1 единиц трассы.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>Наблюдатель видит поезд на %1 единиц трассы короче, чем он на самом деле: свет от хвоста ушёл на %2 единиц времени позже света от головы.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>Наблюдатель видит поезд на %1 единиц трассы длиннее, чем он на самом деле: свет от хвоста ушёл на %2 единиц времени раньше света от головы.</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>Сокращение длины включено: длина поезда — %1 % его длины покоя.</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>Картинка движется.</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>Дальше.</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>Релятивистский поезд</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>Демонстрация специальной теории относительности</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>Поезд глазами наблюдателя, когда свету нужно время, чтобы дойти</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>относительность;СТО;свет;Лоренц;сокращение длины;собственное время;Террелл;физика;обучение;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>Поезд глазами наблюдателя, когда свет идёт не мгновенно</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>Интерактивная демонстрация специальной теории относительности для обучения. Поезд движется по трассе с выбранной вами скоростью, меньшей скорости света в демонстрации. Свету от каждого конца поезда нужно время, чтобы дойти до наблюдателя, поэтому наблюдатель видит каждый конец там, где он был, когда свет от него ушёл.</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>Три демонстрации:</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>круговая трасса с наблюдателем в центре, где видимый поезд отстаёт от настоящего;</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>длинная трасса, где видимый поезд удлиняется при приближении и укорачивается при удалении;</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>тело, движущееся по прямым, изображение которого выглядит повёрнутым (эффект Террелла).</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>Показания дают наблюдаемую длину, наблюдаемую скорость, собственное время поезда и местное время наблюдателя; сокращение длины можно включать и выключать.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>Скорость поезда v в единицах трассы за единицу времени.</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>Скорость света в этой демонстрации, c = 30.</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>Кадры, в которых поезд движется вперёд, считанные пятёрками: полсекунды при десяти кадрах в секунду.</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>Щелчок включает или выключает сокращение длины.</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>Длина поезда (ближнего края), какой её видит наблюдатель, вдоль трассы; в покое 1000.</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>С какой скоростью наблюдатель видит движение головы поезда по трассе.</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>Собственное время поезда за те же кадры: каждый добавляет квадратный корень из 1 - v²/c².</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>Скорость v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>Скорость света c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>Сокращение длины</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>Демонстрация номер</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>Щелчок выбирает следующую демонстрацию.</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>Демонстрации</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>Что делать дальше.</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>Название демонстрации</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>Идущая сейчас демонстрация.</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>Наблюдаемая длина</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>Наблюдаемая скорость</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>Собственное время</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>Демонстрации и их номера.</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>Переходит к следующей демонстрации; после последней снова идёт первая.</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>Что только что изменилось — сообщается сразу.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>Пробел или Enter</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>нажимает выбранную кнопку, переключает сокращение длины, выбирает следующую демонстрацию</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>переходит к следующему или предыдущему элементу</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ или .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>в стоп-кадре: на один кадр вперёд</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>На кадр вперёд</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>замедление вкл. или выкл.: кадр каждые 0,4 с</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Замедление</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>сохраняет картинку в файл PNG</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>Сохранить картинку…</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>копирует картинку</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Копировать картинку</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>цвета для проектора вкл. или выкл.</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Цвета для проектора</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>полный экран вкл. или выкл.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>этот список клавиш и цветов</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>Клавиши и цвета…</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? или F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>закрывает этот список</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>поезд там, где он на самом деле</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>где наблюдатель видит его голову и хвост</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>направления, в которых наблюдатель видит поезд</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>след видимого хвоста</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>точка наблюдателя</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>где наблюдатель видит концы каждого края</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>направления, в которых наблюдатель видит каждый край</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>два края тела там, где они на самом деле</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>В цветах для проектора: белый фон, чёрный вместо чёрного (и вместо белого в эффекте Террелла), тёмно-красный вместо светло-красного, тёмно-синий вместо светло-жёлтого, серый для следа.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Светло-красный</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Светло-жёлтый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Клавиши и цвета</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>оба окна крупнее, до трёхкратного размера</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>both windows smaller, down to their usual size</source>
        <translation>оба окна мельче, до обычного размера</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>оба окна обычного размера</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>Обычный размер</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>says in words what the picture shows now, for a screen reader</source>
        <translation>словами говорит, что сейчас показывает картинка, для экранного диктора</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>Описать картинку</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>пространственно-временная диаграмма рядом с картинкой, вкл. или выкл.: почему наблюдатель видит поезд там</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>Пространственно-временная диаграмма</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <extracomment>The decimal sign of the readouts, as &quot;13.59&quot; is written in this language.</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close %1</source>
        <translation>Закрыть: %1</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>Записать клип</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>Средства для урока</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>Ссылка на эту демонстрацию</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>Выйти из программы? Картинка и показания пропадут.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>браузер не смог создать изображение</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>Картинка не сохранена: %1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>Картинка в буфере обмена.</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>Этот браузер не даёт странице копировать картинку; сохраните её.</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>Клип записывает идущую демонстрацию: сначала выберите её и нажмите «Выбрать».</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>Клип сохранён как %1.</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>Этот браузер не разрешает здесь полный экран.</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>Ссылка в буфере обмена.</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>Скопируйте ссылку из поля.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>Программа завершена.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Начать заново</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>Сохранить картинку</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>Картинка не сохранена</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Клавиши и цвета</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>сейчас</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>Время (сейчас вверху)</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>Положение вдоль трассы</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Пространство-время</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>На диаграмме: свет, доходящий до наблюдателя сейчас, ушёл от головы %1 единиц времени назад, когда она была на %2 единиц трассы позади того места, где она сейчас.</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1: концы такими, какими их сейчас видит наблюдатель</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1: мировые линии концов, точки: где они сейчас</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1: световой конус прошлого, события, видимые сейчас</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>Положение вдоль линии тела</translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation>Длина набл.</translation>
    </message>
    <message>
        <source>v obs</source>
        <translation>v набл.</translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation>Собств. вр.</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>Трасса</translation>
    </message>
</context>
</TS>
