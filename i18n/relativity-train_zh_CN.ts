<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>用于教学的狭义相对论交互演示。</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>使用此语言（de、fr……）而不是系统语言。</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>以这些颜色启动：projector（高对比度）或 usual。</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>放大显示两个窗口，以百分比表示：100 到 300。</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>选择</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>继续</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>定格</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>本地时间</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>长度收缩</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation>控制面板</translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation>请选择演示</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>请选择速度 v</translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation>圆形轨道</translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation>圆形轨道上的火车</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>长轨道</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>长轨道上的火车</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>特雷尔旋转</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>特雷尔旋转？</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>观察者站在圆形轨道的中心。</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>观察者站在长轨道左侧半圆的中心。</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>观察者站在两条直线下方，一个有两条长边的物体沿直线经过。</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>火车已经停下，但它运动时发出的光仍在到达：看到的两端还会继续移动片刻。</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>接近 c 时，每点击一次 v &gt; 都使离 c 的差距减半：还差 %1，火车永远达不到 c。</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>火车静止不动，所以观察者看到的就是它的真实位置。</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>尚未运行任何演示。请选一个演示，然后点击“选择”。</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1，c = %2。</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>长度收缩已关闭。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>运行已结束。</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>画面已定格。</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1 开始运行。</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>已减少动态效果：运行从第一帧定格开始。点击“继续”让它继续。</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>长度收缩已开启。</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>长度收缩已关闭。</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>已定格。</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1。</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>物体已经停下，但它运动时发出的光仍在到达：看到的两端还会继续移动片刻。</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>接近 c 时，每点击一次 v &gt; 都使离 c 的差距减半：还差 %1，物体永远达不到 c。</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>物体静止不动，所以观察者看到的就是它的真实位置。</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>远边前端的光比近边前端的光早 %1 个时间单位发出：远边被看到的是它更早时的样子，于是物体看起来被转动了。</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>两端的光到达所需时间相同，所以看到的火车保持真实长度，并落后真实火车 %1 个轨道单位。</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>观察者看到的火车比真实长度短 %1 个轨道单位：车尾的光比车头的光晚 %2 个时间单位发出。</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>观察者看到的火车比真实长度长 %1 个轨道单位：车尾的光比车头的光早 %2 个时间单位发出。</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>长度收缩已开启：火车长度是其静止长度的 %1%。</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>画面正在运行。</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>继续运行。</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>相对论火车</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>狭义相对论演示</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>光的传播需要时间时，观察者看到的火车</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>相对论;狭义相对论;光;洛伦兹;长度收缩;固有时;特雷尔;物理;教学;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>观察者眼中的火车：光的传播需要时间</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>用于教学的狭义相对论交互演示。火车以你选择的速度沿轨道行驶，速度低于演示中的光速。火车两端发出的光需要时间才能到达观察者，所以观察者看到的每一端都位于光离开它时的位置。</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>三个演示：</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>观察者位于中心的圆形轨道，看到的火车落后于真实的火车；</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>长轨道，看到的火车在靠近时变长、远离时变短；</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>沿直线经过的物体，其像看起来发生了转动（特雷尔旋转）。</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>读数给出观测长度、观测速度、火车的固有时和观察者的本地时间；长度收缩可以打开或关闭。</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>火车的速度 v，单位为每时间单位的轨道单位。</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>本演示中的光速，c = 30。</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>火车前进的帧数，每五帧计一：每秒十帧时即半秒。</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>点击打开或关闭长度收缩。</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>观察者沿轨道看到的火车（近边）长度；静止时为 1000。</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>观察者看到的车头沿轨道移动的速度。</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>同样帧数内火车的固有时：每帧增加 1 - v²/c² 的平方根。</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>速度 v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>光速 c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>本地时间</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>长度收缩</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>演示编号</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>点击选择下一个演示。</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>下一步要做什么。</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>演示标题</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>正在运行的演示。</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>观测长度</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>观测速度</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>固有时</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>各个演示及其编号。</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>切换到下一个演示；最后一个之后回到第一个。</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>播报</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>刚刚发生的变化，随时播报。</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>空格键或 Enter 键</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>按下当前按钮、切换长度收缩、切换到下一个演示</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab、Shift+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>移到下一个或上一个控件</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ 或 .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>定格时：前进一帧</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>前进一帧</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>打开或关闭慢动作：每 0.4 秒一帧</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>慢动作</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>将画面保存为 PNG 文件</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>保存画面……</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>复制画面</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>复制画面</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>打开或关闭投影仪配色</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>投影仪配色</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>打开或关闭全屏</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>本按键与颜色列表</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>按键与颜色……</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? 或 F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>关闭本列表</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>火车的真实位置</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>观察者看到的车头和车尾</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>观察者看到火车的方向</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>看到的车尾留下的轨迹</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>观察者所在的点</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>观察者看到的每条边的端点</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>观察者看到每条边的方向</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>物体两条边的真实位置</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>投影仪配色：白色背景，黑色仍为黑色（特雷尔旋转中的白色也变为黑色），浅红变为深红，浅黄变为深蓝，轨迹为灰色。</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>浅红</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>浅黄</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>按键与颜色</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>两个窗口放大，最多三倍</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>both windows smaller, down to their usual size</source>
        <translation>两个窗口缩小，最小为常规大小</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>两个窗口恢复常规大小</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>常规大小</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>深红</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>深蓝</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>says in words what the picture shows now, for a screen reader</source>
        <translation>用文字说出画面此刻显示的内容，供屏幕阅读器朗读</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>描述画面</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>画面旁的时空图，开或关：观察者为什么在那里看到它</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>时空图</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <extracomment>The decimal sign of the readouts, as &quot;13.59&quot; is written in this language.</extracomment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close %1</source>
        <translation>关闭%1</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>录制片段</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>教学辅助</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>此演示的链接</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>要退出程序吗？画面和读数都将消失。</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>继续运行</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>浏览器无法生成图像</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>画面未保存：%1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>画面已复制到剪贴板。</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>此浏览器不允许网页复制画面，请改为保存。</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>片段只能录制正在运行的演示：请先选择一个演示并点击“选择”。</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>片段已保存为 %1。</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>此浏览器不允许在这里全屏。</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>链接已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>请从文本框中复制链接。</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>程序已结束。</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>重新开始</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>保存画面</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>画面未保存</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>按键与颜色</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>时间（现在在最上方）</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>沿轨道的位置</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>时空</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>在图中：此刻到达观察者的光在 %1 个时间单位前离开车头，那时车头在它现在位置后方 %2 个轨道单位处。</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1：观察者此刻看到的两端</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1：两端的世界线，圆点为它们现在的位置</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1：过去光锥，此刻看到的事件</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>沿物体直线的位置</translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation>观测长度</translation>
    </message>
    <message>
        <source>v obs</source>
        <translation>v 观测</translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation>固有时</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>轨道显示</translation>
    </message>
</context>
</TS>
