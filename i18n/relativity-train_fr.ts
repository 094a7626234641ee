<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>Une démonstration interactive de la relativité restreinte pour l’enseignement.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>Utiliser cette langue (de, fr, ...) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>Démarrer avec ces couleurs : projector (contraste élevé) ou usual.</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>Afficher les deux fenêtres plus grandes, en pour cent : 100 à 300.</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Temps local</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>Contract. longueurs</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation>Choisissez la démonstration</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>Choisissez la vitesse v</translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation>Piste circulaire</translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation>Train sur piste circulaire</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>Piste longue</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>Train sur piste longue</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>Rotation de Terrell</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>Rotation de Terrell ?</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>L’observateur se tient au centre de la piste circulaire.</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>L’observateur se tient au centre du demi-cercle gauche de la piste longue.</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>L’observateur se tient sous deux droites le long desquelles passe un corps à deux longs bords.</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Le train est arrêté, mais la lumière qu’il a émise en roulant arrive encore : les extrémités vues avancent encore un moment.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>Près de c, chaque clic sur v &gt; divise par deux l’écart à c : il reste %1, et le train n’atteint jamais c.</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>Le train est immobile : l’observateur le voit là où il est réellement.</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>Aucune démonstration n’a encore été lancée. Choisissez-en une et cliquez sur Choisir.</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1, c = %2.</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>La contraction des longueurs est désactivée.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>L’exécution est terminée.</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>L’image est figée.</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1 est lancée.</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>Mouvements réduits : l’exécution commence figée sur sa première image. Reprendre la laisse continuer.</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>Contraction des longueurs activée.</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>Contraction des longueurs désactivée.</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>Image figée.</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1.</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Le corps est arrêté, mais la lumière qu’il a émise en mouvement arrive encore : les extrémités vues avancent encore un moment.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>Près de c, chaque clic sur v &gt; divise par deux l’écart à c : il reste %1, et le corps n’atteint jamais c.</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>Le corps est immobile : l’observateur le voit là où il est réellement.</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>La lumière de l’avant du bord lointain est partie %1 unités de temps avant celle de l’avant du bord proche : le bord lointain est vu tel qu’il était plus tôt, et le corps paraît tourné.</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>La lumière des deux extrémités met le même temps à arriver : le train vu garde sa vraie longueur et suit le vrai train à %1 unités de piste.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>L’observateur voit le train plus court de %1 unités de piste qu’il ne l’est réellement : la lumière de son arrière est partie %2 unités de temps après celle de son avant.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>L’observateur voit le train plus long de %1 unités de piste qu’il ne l’est réellement : la lumière de son arrière est partie %2 unités de temps avant celle de son avant.</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>La contraction des longueurs est activée : le train mesure %1 % de sa longueur au repos.</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>L’image défile.</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>Reprend.</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>Train relativiste</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>Démonstration de relativité restreinte</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>Voir un train comme un observateur le voit quand la lumière met du temps à arriver</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>relativité;lumière;Lorentz;contraction;temps propre;Terrell;physique;enseignement;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>Un train tel qu’un observateur le voit quand la lumière met du temps</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>Une démonstration interactive de la relativité restreinte pour l’enseignement. Un train parcourt une piste à la vitesse que vous choisissez, inférieure à la vitesse de la lumière de la démonstration. La lumière issue de chaque extrémité du train met du temps à atteindre l’observateur : celui-ci voit donc chaque extrémité là où elle se trouvait quand la lumière l’a quittée.</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>Trois démonstrations :</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>une piste circulaire avec l’observateur au centre, où le train vu suit le train réel ;</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>une piste longue, où le train vu s’allonge quand il approche et raccourcit quand il s’éloigne ;</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>un corps qui passe en ligne droite et dont l’image semble tournée (rotation de Terrell).</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>Des affichages donnent la longueur observée, la vitesse observée, le temps propre du train et le temps local de l’observateur ; la contraction des longueurs peut être activée ou désactivée.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>La vitesse v du train, en unités de piste par unité de temps.</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>La vitesse de la lumière dans cette démonstration, c = 30.</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>Images où le train avance, comptées par cinq : des demi-secondes à dix images par seconde.</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>Cliquez pour activer ou désactiver la contraction des longueurs.</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>La longueur du train (le bord proche) telle que l’observateur la voit, le long de la piste ; au repos 1000.</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>La vitesse à laquelle l’observateur voit l’avant du train avancer le long de la piste.</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>Le temps propre du train sur les mêmes images : chacune ajoute la racine carrée de 1 - v²/c².</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>Vitesse v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>Vitesse de la lumière c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Temps local</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>Contraction des longueurs</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>Démonstration numéro</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>Cliquez pour choisir la démonstration suivante.</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>Démonstrations</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>Ce qu’il faut faire ensuite.</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>Titre de la démonstration</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>La démonstration en cours.</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>Longueur observée</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>Vitesse observée</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>Temps propre</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>Les démonstrations et leurs numéros.</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>Passe à la démonstration suivante ; après la dernière revient la première.</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>Ce qui vient de changer, annoncé au moment où cela arrive.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>Espace ou Entrée</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>actionne le bouton actif, bascule la contraction des longueurs, passe à la démonstration suivante</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>passe à l’élément suivant ou précédent</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ ou .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>image figée : une image de plus</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>Une image de plus</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>ralenti activé ou non : une image toutes les 0,4 s</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Ralenti</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>enregistre l’image en fichier PNG</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>copie l’image</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>couleurs pour projecteur activées ou non</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Couleurs pour projecteur</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>plein écran activé ou non</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>cette liste des touches et des couleurs</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>Touches et couleurs…</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? ou F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>ferme cette liste</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>le train là où il est réellement</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>où l’observateur voit son avant et son arrière</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>les directions dans lesquelles l’observateur voit le train</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>la trace de l’arrière vu</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>le point de l’observateur</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>où l’observateur voit les extrémités de chaque bord</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>les directions dans lesquelles l’observateur voit chaque bord</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>les deux bords du corps là où ils sont réellement</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>Avec les couleurs pour projecteur : fond blanc, noir pour le noir (et pour le blanc dans la rotation de Terrell), rouge foncé pour le rouge clair, bleu foncé pour le jaune clair, gris pour la trace.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Touches et couleurs</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>les deux fenêtres plus grandes, jusqu’au triple</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>both windows smaller, down to their usual size</source>
        <translation>les deux fenêtres plus petites, jusqu’à leur taille habituelle</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>les deux fenêtres à leur taille habituelle</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>Taille habituelle</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
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
        <translation>dit en mots ce que l’image montre maintenant, pour un lecteur d’écran</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>Décrire l’image</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>le diagramme d’espace-temps à côté de l’image, activé ou non : pourquoi l’observateur le voit là</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>Diagramme d’espace-temps</translation>
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
        <translation>Fermer %1</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>Enregistrer un clip</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>Aides pédagogiques</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>Lien vers cette démonstration</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>Quitter le programme ? L’image et les affichages seront perdus.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>le navigateur n’a pas pu produire l’image</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>L’image n’a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>L’image est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>Ce navigateur ne laisse pas la page copier l’image ; enregistrez-la plutôt.</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>Un clip enregistre une démonstration en cours : choisissez-en une et cliquez d’abord sur « Choisir ».</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>Le clip est enregistré sous %1.</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>Ce navigateur n’autorise pas le plein écran ici.</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>Le lien est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>Copiez le lien depuis le champ.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>Le programme est terminé.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>L’image n’a pas été enregistrée</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Touches et couleurs</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>Temps (maintenant en haut)</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>Position le long de la piste</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espace-temps</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>Dans le diagramme : la lumière qui atteint l’observateur maintenant a quitté l’avant il y a %1 unités de temps, quand il était %2 unités de piste en arrière de là où il est maintenant.</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1 : les bouts tels que l’observateur les voit maintenant</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1 : les lignes d’univers des bouts, points : où ils sont maintenant</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1 : le cône de lumière passé, les événements vus maintenant</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>Position le long de la ligne du corps</translation>
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
        <translation>Tps propre</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>Piste</translation>
    </message>
</context>
</TS>
