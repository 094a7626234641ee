<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>Uma demonstração interativa da relatividade restrita para o ensino.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>Usar este idioma (de, fr, ...) em vez do idioma do sistema.</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>Começar com estas cores: projector (alto contraste) ou usual.</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>Mostrar as duas janelas maiores, em porcentagem: de 100 a 300.</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>SIM</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Tempo local</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>Contração do compr.</translation>
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
        <translation>Escolha a demonstração</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>Escolha a velocidade v</translation>
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
        <translation>Trem em pista circular</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>Pista longa</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>Trem em pista longa</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>Rotação de Terrell</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>Rotação de Terrell?</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>O observador está no centro da pista circular.</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>O observador está no centro do semicírculo esquerdo da pista longa.</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>O observador está abaixo de duas retas pelas quais passa um corpo com duas bordas longas.</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>O trem parou, mas ainda chega luz que saiu dele enquanto se movia: as pontas vistas ainda avançam por um momento.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>Perto de c, cada clique em v &gt; reduz à metade o que falta até c: falta %1, e o trem nunca chega a c.</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>O trem está parado, então o observador o vê onde ele realmente está.</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>Nenhuma demonstração foi executada ainda. Escolha uma e clique em Escolher.</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1, c = %2.</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>A contração do comprimento está desligada.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>A execução terminou.</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>A imagem está congelada.</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1 em execução.</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>Movimento reduzido: a execução começa congelada no primeiro quadro. Retomar a deixa seguir.</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>Contração do comprimento ligada.</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>Contração do comprimento desligada.</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>Imagem congelada.</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1.</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>O corpo parou, mas ainda chega luz que saiu dele enquanto se movia: as pontas vistas ainda avançam por um momento.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>Perto de c, cada clique em v &gt; reduz à metade o que falta até c: falta %1, e o corpo nunca chega a c.</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>O corpo está parado, então o observador o vê onde ele realmente está.</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>A luz da frente da borda distante saiu %1 unidades de tempo antes da luz da frente da borda próxima: a borda distante é vista como era antes, e o corpo parece girado.</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>A luz das duas pontas leva o mesmo tempo para chegar, então o trem visto mantém o comprimento real e segue o trem real a %1 unidades de pista.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>O observador vê o trem %1 unidades de pista mais curto do que realmente é: a luz da traseira saiu %2 unidades de tempo depois da luz da frente.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>O observador vê o trem %1 unidades de pista mais longo do que realmente é: a luz da traseira saiu %2 unidades de tempo antes da luz da frente.</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>A contração do comprimento está ligada: o trem tem %1 % do comprimento de repouso.</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>A imagem está em movimento.</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>Retomado.</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>Trem relativístico</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>Demonstração de relatividade restrita</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>Veja um trem como um observador o vê quando a luz leva tempo para chegar</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>relatividade;luz;Lorentz;contração;tempo próprio;Terrell;física;ensino;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>Um trem como um observador o vê quando a luz leva tempo</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>Uma demonstração interativa da relatividade restrita para o ensino. Um trem percorre uma pista na velocidade que você escolher, abaixo da velocidade da luz da demonstração. A luz de cada extremidade do trem leva tempo para chegar ao observador, então o observador vê cada extremidade onde ela estava quando a luz a deixou.</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>Três demonstrações:</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>uma pista circular com o observador no centro, onde o trem visto segue atrás do verdadeiro;</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>uma pista longa, onde o trem visto se alonga ao se aproximar e encolhe ao se afastar;</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>um corpo que passa em linha reta e cuja imagem parece girada (rotação de Terrell).</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>As leituras mostram o comprimento observado, a velocidade observada, o tempo próprio do trem e o tempo local do observador; a contração do comprimento pode ser ligada e desligada.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>A velocidade v do trem, em unidades de pista por unidade de tempo.</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>A velocidade da luz nesta demonstração, c = 30.</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>Quadros em que o trem avança, contados de cinco em cinco: meios segundos a dez por segundo.</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>Clique para ligar ou desligar a contração do comprimento.</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>O comprimento do trem (a borda próxima) como o observador o vê, ao longo da pista; em repouso 1000.</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>A rapidez com que o observador vê a frente do trem avançar ao longo da pista.</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>O tempo próprio do trem nos mesmos quadros: cada um soma a raiz quadrada de 1 - v²/c².</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>Velocidade v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>Velocidade da luz c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Tempo local</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>Contração do comprimento</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>Demonstração número</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>Clique para escolher a próxima demonstração.</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>Demonstrações</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>O que fazer em seguida.</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>Título da demonstração</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>A demonstração em andamento.</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>Comprimento observado</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>Velocidade observada</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>Tempo próprio</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>As demonstrações e seus números.</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>Passa para a próxima demonstração; depois da última volta a primeira.</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Anúncios</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>O que acabou de mudar, anunciado quando acontece.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>Barra de espaço ou Enter</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>aciona o botão em foco, liga ou desliga a contração do comprimento, passa à próxima demonstração</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>vai ao elemento seguinte ou anterior</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ ou .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>com a imagem congelada: um quadro adiante</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>Um quadro adiante</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>câmera lenta ligada ou não: um quadro a cada 0,4 s</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Câmera lenta</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>salva a imagem como arquivo PNG</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>Salvar a imagem…</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>copia a imagem</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Copiar a imagem</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>cores para projetor ligadas ou não</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Cores para projetor</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>tela cheia ligada ou não</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>esta lista de teclas e cores</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>Teclas e cores…</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? ou F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>fecha esta lista</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>o trem onde realmente está</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>onde o observador vê sua frente e sua traseira</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>as direções em que o observador vê o trem</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>o rastro da traseira vista</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>o ponto do observador</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>onde o observador vê as pontas de cada borda</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>as direções em que o observador vê cada borda</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>as duas bordas do corpo onde realmente estão</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>Com cores para projetor: fundo branco, preto para o preto (e para o branco na rotação de Terrell), vermelho-escuro para o vermelho-claro, azul-escuro para o amarelo-claro, cinza para o rastro.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Vermelho-claro</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Amarelo-claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Teclas e cores</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>as duas janelas maiores, até o triplo</translation>
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
        <translation>as duas janelas menores, até o tamanho normal</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>as duas janelas no tamanho normal</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>Tamanho normal</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Vermelho-escuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>says in words what the picture shows now, for a screen reader</source>
        <translation>diz em palavras o que a imagem mostra agora, para um leitor de tela</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>Descrever a imagem</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>o diagrama de espaço-tempo ao lado da imagem, ligado ou desligado: por que o observador o vê ali</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>Diagrama de espaço-tempo</translation>
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
        <translation>Fechar %1</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>Gravar clipe</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>Recursos de ensino</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>Link para esta demonstração</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>Sair do programa? A imagem e as leituras serão perdidas.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>o navegador não conseguiu gerar a imagem</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>A imagem não foi salva: %1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>A imagem está na área de transferência.</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>Este navegador não deixa a página copiar a imagem; salve-a em vez disso.</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>Um clipe grava uma demonstração em andamento: escolha uma e clique antes em “Escolher”.</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>O clipe foi salvo como %1.</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>Este navegador não permite tela cheia aqui.</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>O link está na área de transferência.</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>Copie o link da caixa.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>O programa terminou.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Começar de novo</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>Salvar a imagem</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>A imagem não foi salva</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Teclas e cores</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>agora</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>Tempo (agora no alto)</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>Posição ao longo da pista</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espaço-tempo</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>No diagrama: a luz que chega agora ao observador saiu da frente há %1 unidades de tempo, quando ela estava %2 unidades de pista atrás de onde está agora.</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1: as pontas como o observador as vê agora</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1: as linhas de mundo das pontas, pontos: onde estão agora</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1: o cone de luz passado, os eventos vistos agora</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>Posição ao longo da linha do corpo</translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation>Compr. obs.</translation>
    </message>
    <message>
        <source>v obs</source>
        <translation>v obs</translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation>T. próprio</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>Pista</translation>
    </message>
</context>
</TS>
