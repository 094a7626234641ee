<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>Una demostración interactiva de la relatividad especial para la enseñanza.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>Usar este idioma (de, fr, ...) en lugar del del sistema.</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>Empezar con estos colores: projector (alto contraste) o usual.</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>Mostrar ambas ventanas más grandes, en porcentaje: de 100 a 300.</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Tiempo local</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>Contrac. de longitud</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation>Elija la demostración</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>Elija la velocidad v</translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation>Pista circular</translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation>Tren en pista circular</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>Pista larga</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>Tren en pista larga</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>Rotación de Terrell</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>¿Rotación de Terrell?</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>El observador está en el centro de la pista circular.</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>El observador está en el centro del semicírculo izquierdo de la pista larga.</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>El observador está debajo de dos rectas por las que pasa un cuerpo con dos bordes largos.</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>El tren se ha detenido, pero aún llega luz que salió de él mientras se movía: los extremos vistos siguen avanzando un momento.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>Cerca de c, cada clic en v &gt; reduce a la mitad lo que falta hasta c: falta %1, y el tren nunca alcanza c.</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>El tren está quieto, así que el observador lo ve donde realmente está.</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>Todavía no se ha ejecutado ninguna demostración. Elija una y haga clic en Elegir.</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1, c = %2.</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>La contracción de la longitud está desactivada.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>La ejecución ha terminado.</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>La imagen está congelada.</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1 en marcha.</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>Movimiento reducido: la ejecución empieza congelada en su primer fotograma. Reanudar la deja seguir.</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>Contracción de la longitud activada.</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>Contracción de la longitud desactivada.</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>Imagen congelada.</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1.</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>El cuerpo se ha detenido, pero aún llega luz que salió de él mientras se movía: los extremos vistos siguen avanzando un momento.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>Cerca de c, cada clic en v &gt; reduce a la mitad lo que falta hasta c: falta %1, y el cuerpo nunca alcanza c.</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>El cuerpo está quieto, así que el observador lo ve donde realmente está.</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>La luz del frente del borde lejano salió %1 unidades de tiempo antes que la del frente del borde cercano: el borde lejano se ve como era antes, y el cuerpo parece girado.</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>La luz de ambos extremos tarda lo mismo en llegar, así que el tren visto conserva su longitud real y va %1 unidades de pista detrás del tren real.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>El observador ve el tren %1 unidades de pista más corto de lo que realmente es: la luz de su cola salió %2 unidades de tiempo después que la de su frente.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>El observador ve el tren %1 unidades de pista más largo de lo que realmente es: la luz de su cola salió %2 unidades de tiempo antes que la de su frente.</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>La contracción de la longitud está activada: el tren mide el %1 % de su longitud en reposo.</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>La imagen está en marcha.</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>Se reanuda.</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>Tren relativista</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>Demostración de relatividad especial</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>Ver un tren como lo ve un observador cuando la luz tarda en llegar</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>relatividad;luz;Lorentz;contracción;tiempo propio;Terrell;física;enseñanza;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>Un tren tal como lo ve un observador cuando la luz tarda</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>Una demostración interactiva de la relatividad especial para la enseñanza. Un tren recorre una pista a la velocidad que usted elija, por debajo de la velocidad de la luz de la demostración. La luz de cada extremo del tren tarda en llegar al observador, así que el observador ve cada extremo donde estaba cuando la luz lo dejó.</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>Tres demostraciones:</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>una pista circular con el observador en el centro, donde el tren visto sigue al verdadero;</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>una pista larga, donde el tren visto se alarga al acercarse y se encoge al alejarse;</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>un cuerpo que pasa en línea recta y cuya imagen parece girada (rotación de Terrell).</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>Las lecturas dan la longitud observada, la velocidad observada, el tiempo propio del tren y el tiempo local del observador; la contracción de la longitud se puede activar y desactivar.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>La velocidad v del tren, en unidades de pista por unidad de tiempo.</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>La velocidad de la luz en esta demostración, c = 30.</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>Fotogramas en que el tren avanza, contados de cinco en cinco: medios segundos a diez por segundo.</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>Haga clic para activar o desactivar la contracción de la longitud.</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>La longitud del tren (el borde cercano) tal como la ve el observador, a lo largo de la pista; en reposo 1000.</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>Con qué rapidez ve el observador avanzar la parte delantera del tren por la pista.</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>El tiempo propio del tren en los mismos fotogramas: cada uno suma la raíz cuadrada de 1 - v²/c².</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>Velocidad v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>Velocidad de la luz c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Tiempo local</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>Contracción de la longitud</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>Demostración número</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>Haga clic para elegir la siguiente demostración.</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>Demostraciones</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>Qué hacer a continuación.</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>Título de la demostración</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>La demostración en curso.</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>Longitud observada</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>Velocidad observada</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>Tiempo propio</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>Las demostraciones y sus números.</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>Pasa a la siguiente demostración; después de la última vuelve la primera.</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Anuncios</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>Lo que acaba de cambiar, anunciado en cuanto ocurre.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>Barra espaciadora o Intro</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>pulsa el botón activo, cambia la contracción de la longitud, pasa a la siguiente demostración</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>pasa al elemento siguiente o anterior</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ o .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>con la imagen congelada: un fotograma más</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>Un fotograma más</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>cámara lenta sí o no: un fotograma cada 0,4 s</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Cámara lenta</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>guarda la imagen como archivo PNG</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>Guardar la imagen…</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>copia la imagen</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Copiar la imagen</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>colores para proyector sí o no</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Colores para proyector</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>pantalla completa sí o no</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>esta lista de teclas y colores</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>Teclas y colores…</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? o F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>cierra esta lista</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>el tren donde realmente está</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>dónde ve el observador su frente y su cola</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>las direcciones en que el observador ve el tren</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>el rastro de la cola vista</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>el punto del observador</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>dónde ve el observador los extremos de cada borde</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>las direcciones en que el observador ve cada borde</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>los dos bordes del cuerpo donde realmente están</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>Con colores para proyector: fondo blanco, negro para el negro (y para el blanco en la rotación de Terrell), rojo oscuro para el rojo claro, azul oscuro para el amarillo claro, gris para el rastro.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Teclas y colores</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>ambas ventanas más grandes, hasta el triple</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>both windows smaller, down to their usual size</source>
        <translation>ambas ventanas más pequeñas, hasta su tamaño habitual</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>ambas ventanas a su tamaño habitual</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>Tamaño habitual</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>says in words what the picture shows now, for a screen reader</source>
        <translation>dice con palabras lo que muestra ahora la imagen, para un lector de pantalla</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>Describir la imagen</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>el diagrama espacio-tiempo junto a la imagen, sí o no: por qué el observador lo ve ahí</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>Diagrama espacio-tiempo</translation>
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
        <translation>Cerrar %1</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>Grabar clip</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>Ayudas didácticas</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>Enlace a esta demostración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>¿Salir del programa? La imagen y las lecturas se perderán.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>el navegador no pudo crear la imagen</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>La imagen no se guardó: %1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>La imagen está en el portapapeles.</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>Este navegador no deja a la página copiar la imagen; guárdela en su lugar.</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>Un clip graba una demostración en curso: elija una y pulse antes «Elegir».</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>El clip se guardó como %1.</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>Este navegador no permite aquí la pantalla completa.</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>El enlace está en el portapapeles.</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>Copie el enlace del cuadro.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>El programa ha terminado.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>Guardar la imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>La imagen no se guardó</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Teclas y colores</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>Tiempo (ahora arriba)</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>Posición a lo largo de la pista</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espacio-tiempo</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>En el diagrama: la luz que llega ahora al observador salió del frente hace %1 unidades de tiempo, cuando estaba %2 unidades de pista por detrás de donde está ahora.</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1: los extremos como los ve ahora el observador</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1: las líneas de universo de los extremos, puntos: dónde están ahora</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1: el cono de luz pasado, los sucesos vistos ahora</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>Posición a lo largo de la línea del cuerpo</translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation>Long. obs.</translation>
    </message>
    <message>
        <source>v obs</source>
        <translation>v obs</translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation>T. propio</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>Pista</translation>
    </message>
</context>
</TS>
