<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Command line</name>
    <message>
        <source>An interactive demonstration of special relativity for teaching.</source>
        <translation>Eine interaktive Demonstration der speziellen Relativitätstheorie für den Unterricht.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, ...) instead of the system&apos;s.</source>
        <translation>Diese Sprache (de, fr, ...) statt der des Systems verwenden.</translation>
    </message>
    <message>
        <source>Start with these colours: projector (high contrast) or usual.</source>
        <translation>Mit diesen Farben beginnen: projector (hoher Kontrast) oder usual.</translation>
    </message>
    <message>
        <source>Show both windows larger, in percent: 100 to 300.</source>
        <translation>Beide Fenster größer zeigen, in Prozent: 100 bis 300.</translation>
    </message>
</context>
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation>Längenkontraktion</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation>Demonstration wählen</translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation>Geschwindigkeit v wählen</translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation>Kreisbahn</translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation>Zug auf der Kreisbahn</translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation>Rennbahn</translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation>Zug auf der Rennbahn</translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation>Terrell-Rotation</translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation>Terrell-Rotation?</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>The observer stands at the centre of the circular track.</source>
        <translation>Der Beobachter steht im Mittelpunkt der Kreisbahn.</translation>
    </message>
    <message>
        <source>The observer stands at the centre of the left half circle of the long track.</source>
        <translation>Der Beobachter steht im Mittelpunkt des linken Halbkreises der Rennbahn.</translation>
    </message>
    <message>
        <source>The observer stands below two straight lines, along which a body with two long edges passes.</source>
        <translation>Der Beobachter steht unter zwei geraden Linien, an denen ein Körper mit zwei langen Kanten vorbeizieht.</translation>
    </message>
    <message>
        <source>The train has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Der Zug steht, aber Licht, das ihn während der Fahrt verließ, kommt noch an: Die gesehenen Enden rücken noch eine Weile weiter.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the train never reaches c.</source>
        <translation>Nahe c halbiert jeder Klick auf v &gt; den Rest bis c: Es bleibt %1, und der Zug erreicht c nie.</translation>
    </message>
    <message>
        <source>The train stands still, so the observer sees it where it truly is.</source>
        <translation>Der Zug steht still, also sieht der Beobachter ihn dort, wo er wirklich ist.</translation>
    </message>
    <message>
        <source>No demonstration has run yet. Choose one and click Select.</source>
        <translation>Noch lief keine Demonstration. Wähle eine und klicke auf Wählen.</translation>
    </message>
    <message>
        <source>v = %1, c = %2.</source>
        <translation>v = %1, c = %2.</translation>
    </message>
    <message>
        <source>Length contraction is off.</source>
        <translation>Die Längenkontraktion ist aus.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation>Der Lauf ist beendet.</translation>
    </message>
    <message>
        <source>The picture is frozen.</source>
        <translation>Das Bild ist ein Standbild.</translation>
    </message>
    <message>
        <source>%1 runs.</source>
        <translation>%1 läuft.</translation>
    </message>
    <message>
        <source>Motion is reduced: the run starts frozen on its first frame. Un Freeze lets it go on.</source>
        <translation>Bewegung ist reduziert: Der Lauf beginnt als Standbild seines ersten Bildes. Weiter lässt ihn laufen.</translation>
    </message>
    <message>
        <source>Length contraction on.</source>
        <translation>Längenkontraktion an.</translation>
    </message>
    <message>
        <source>Length contraction off.</source>
        <translation>Längenkontraktion aus.</translation>
    </message>
    <message>
        <source>Frozen.</source>
        <translation>Standbild.</translation>
    </message>
    <message>
        <source>v = %1.</source>
        <translation>v = %1.</translation>
    </message>
    <message>
        <source>The body has stopped, but light that left it while it moved is still arriving: the seen ends creep on for a moment.</source>
        <translation>Der Körper steht, aber Licht, das ihn während der Bewegung verließ, kommt noch an: Die gesehenen Enden rücken noch eine Weile weiter.</translation>
    </message>
    <message>
        <source>Near c each click of v &gt; halves what is left to c: %1 is left, and the body never reaches c.</source>
        <translation>Nahe c halbiert jeder Klick auf v &gt; den Rest bis c: Es bleibt %1, und der Körper erreicht c nie.</translation>
    </message>
    <message>
        <source>The body stands still, so the observer sees it where it truly is.</source>
        <translation>Der Körper steht still, also sieht der Beobachter ihn dort, wo er wirklich ist.</translation>
    </message>
    <message>
        <source>Light from the far edge&apos;s front left %1 time units before the light from the near edge&apos;s front: the far edge is seen as it was earlier, and the body looks turned.</source>
        <translation>Das Licht von der Spitze der fernen Kante ging %1 Zeiteinheiten früher los als das von der Spitze der nahen Kante: Die ferne Kante wird so gesehen, wie sie früher war, und der Körper wirkt gedreht.</translation>
    </message>
    <message>
        <source>Light from both ends takes the same time to arrive, so the seen train keeps its true length and trails the true train by %1 track units.</source>
        <translation>Das Licht von beiden Enden braucht gleich lange, also behält der gesehene Zug seine wahre Länge und folgt dem wahren Zug mit %1 Bahneinheiten Abstand.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units shorter than it truly is: the light from its rear left %2 time units later than the light from its front.</source>
        <translation>Der Beobachter sieht den Zug %1 Bahneinheiten kürzer, als er wirklich ist: Das Licht von seinem Ende ging %2 Zeiteinheiten später los als das von seiner Spitze.</translation>
    </message>
    <message>
        <source>The observer sees the train %1 track units longer than it truly is: the light from its rear left %2 time units earlier than the light from its front.</source>
        <translation>Der Beobachter sieht den Zug %1 Bahneinheiten länger, als er wirklich ist: Das Licht von seinem Ende ging %2 Zeiteinheiten früher los als das von seiner Spitze.</translation>
    </message>
    <message>
        <source>Length contraction is on: the train is %1 % of its rest length.</source>
        <translation>Die Längenkontraktion ist an: Der Zug hat %1 % seiner Ruhelänge.</translation>
    </message>
    <message>
        <source>The picture is running.</source>
        <translation>Das Bild läuft.</translation>
    </message>
    <message>
        <source>Running again.</source>
        <translation>Läuft weiter.</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation>Relativitätszug</translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation>Demonstration zur speziellen Relativitätstheorie</translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation>Einen Zug so sehen, wie ihn ein Beobachter sieht, wenn das Licht Zeit braucht</translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation>Relativität;Relativitätstheorie;Licht;Lorentz;Längenkontraktion;Eigenzeit;Terrell;Physik;Unterricht;</translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation>Ein Zug, wie ein Beobachter ihn sieht, wenn das Licht Zeit braucht</translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation>Eine interaktive Demonstration der speziellen Relativitätstheorie für den Unterricht. Ein Zug fährt mit einer wählbaren Geschwindigkeit unterhalb der Lichtgeschwindigkeit der Demonstration eine Bahn entlang. Das Licht von jedem Ende des Zuges braucht Zeit bis zum Beobachter, also sieht der Beobachter jedes Ende dort, wo es war, als das Licht es verließ.</translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation>Drei Demonstrationen:</translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation>eine Kreisbahn mit dem Beobachter im Mittelpunkt, auf der der gesehene Zug dem wahren nachläuft;</translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation>eine Rennbahn, auf der sich der gesehene Zug beim Näherkommen streckt und beim Entfernen schrumpft;</translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation>ein Körper, der auf Geraden vorbeizieht und dessen Bild gedreht aussieht (Terrell-Rotation).</translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation>Anzeigen geben die beobachtete Länge, die beobachtete Geschwindigkeit, die Eigenzeit des Zuges und die Ortszeit des Beobachters an; die Längenkontraktion lässt sich ein- und ausschalten.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation>Die Geschwindigkeit v des Zuges, in Bahneinheiten pro Zeiteinheit.</translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation>Die Lichtgeschwindigkeit in dieser Demonstration, c = 30.</translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation>Bilder, in denen der Zug vorwärts fährt, in Fünfern gezählt: halbe Sekunden bei zehn Bildern pro Sekunde.</translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation>Klicken schaltet die Längenkontraktion ein oder aus.</translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation>Die Länge des Zuges (der nahen Kante), wie der Beobachter sie sieht, entlang der Bahn; in Ruhe 1000.</translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation>Wie schnell der Beobachter die Spitze des Zuges entlang der Bahn fahren sieht.</translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation>Die Eigenzeit des Zuges über dieselben Bilder: jedes fügt die Wurzel aus 1 - v²/c² hinzu.</translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation>Geschwindigkeit v</translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation>Lichtgeschwindigkeit c</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation>Längenkontraktion</translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation>Demonstration Nummer</translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation>Klicken wählt die nächste Demonstration.</translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation>Demonstrationen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation>Was als Nächstes zu tun ist.</translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation>Titel der Demonstration</translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation>Die laufende Demonstration.</translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation>Beobachtete Länge</translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation>Beobachtete Geschwindigkeit</translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation>Eigenzeit</translation>
    </message>
    <message>
        <source>The demonstrations and their numbers.</source>
        <translation>Die Demonstrationen und ihre Nummern.</translation>
    </message>
    <message>
        <source>Steps to the next demonstration; after the last comes the first again.</source>
        <translation>Geht zur nächsten Demonstration; nach der letzten kommt wieder die erste.</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>What has just changed, said as it happens.</source>
        <translation>Was sich gerade geändert hat, angesagt, wenn es geschieht.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Space or Return</source>
        <translation>Leertaste oder Eingabetaste</translation>
    </message>
    <message>
        <source>presses the button in focus, switches Length Contraction, steps the demonstration</source>
        <translation>drückt die gewählte Schaltfläche, schaltet die Längenkontraktion, wählt die nächste Demonstration</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>moves to the next or previous control</source>
        <translation>geht zum nächsten oder vorigen Element</translation>
    </message>
    <message>
        <source>→ or .</source>
        <translation>→ oder .</translation>
    </message>
    <message>
        <source>while frozen: one frame on</source>
        <translation>im Standbild: ein Bild weiter</translation>
    </message>
    <message>
        <source>One frame on</source>
        <translation>Ein Bild weiter</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>slow motion on or off: a frame every 0.4 s</source>
        <translation>Zeitlupe ein oder aus: ein Bild alle 0,4 s</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Zeitlupe</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>saves the picture as a PNG file</source>
        <translation>speichert das Bild als PNG-Datei</translation>
    </message>
    <message>
        <source>Save the picture...</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>copies the picture</source>
        <translation>kopiert das Bild</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>projector colours on or off</source>
        <translation>Beamerfarben ein oder aus</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Beamerfarben</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>Vollbild ein oder aus</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list of keys and colours</source>
        <translation>diese Liste der Tasten und Farben</translation>
    </message>
    <message>
        <source>Keys and colours...</source>
        <translation>Tasten und Farben …</translation>
    </message>
    <message>
        <source>? or F1</source>
        <translation>? oder F1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes this list</source>
        <translation>schließt diese Liste</translation>
    </message>
    <message>
        <source>the train where it truly is</source>
        <translation>der Zug, wo er wirklich ist</translation>
    </message>
    <message>
        <source>where the observer sees its front and rear</source>
        <translation>wo der Beobachter Spitze und Ende sieht</translation>
    </message>
    <message>
        <source>the directions in which the observer sees the train</source>
        <translation>die Richtungen, in denen der Beobachter den Zug sieht</translation>
    </message>
    <message>
        <source>the trail of the seen rear</source>
        <translation>die Spur des gesehenen Endes</translation>
    </message>
    <message>
        <source>the observer&apos;s dot</source>
        <translation>der Punkt des Beobachters</translation>
    </message>
    <message>
        <source>where the observer sees the ends of each edge</source>
        <translation>wo der Beobachter die Enden jeder Kante sieht</translation>
    </message>
    <message>
        <source>the directions in which the observer sees each edge</source>
        <translation>die Richtungen, in denen der Beobachter jede Kante sieht</translation>
    </message>
    <message>
        <source>the two edges of the body where they truly are</source>
        <translation>die beiden Kanten des Körpers, wo sie wirklich sind</translation>
    </message>
    <message>
        <source>With projector colours: a white ground, black for black (and for white in the Terrell rotation), dark red for light red, dark blue for light yellow, grey for the trail.</source>
        <translation>In Beamerfarben: weißer Grund, Schwarz für Schwarz (und für Weiß bei der Terrell-Rotation), Dunkelrot für Hellrot, Dunkelblau für Hellgelb, Grau für die Spur.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Tasten und Farben</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Strg++</translation>
    </message>
    <message>
        <source>both windows larger, up to three times</source>
        <translation>beide Fenster größer, bis zum Dreifachen</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Strg+-</translation>
    </message>
    <message>
        <source>both windows smaller, down to their usual size</source>
        <translation>beide Fenster kleiner, bis zur üblichen Größe</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Strg+0</translation>
    </message>
    <message>
        <source>both windows at their usual size</source>
        <translation>beide Fenster in üblicher Größe</translation>
    </message>
    <message>
        <source>Usual size</source>
        <translation>Übliche Größe</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>says in words what the picture shows now, for a screen reader</source>
        <translation>sagt in Worten, was das Bild gerade zeigt, für einen Screenreader</translation>
    </message>
    <message>
        <source>Describe the picture</source>
        <translation>Bild beschreiben</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>the spacetime diagram beside the picture, on or off: why the observer sees it there</source>
        <translation>das Raumzeitdiagramm neben dem Bild, ein oder aus: warum der Beobachter den Zug dort sieht</translation>
    </message>
    <message>
        <source>Spacetime diagram</source>
        <translation>Raumzeitdiagramm</translation>
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
        <translation>%1 schließen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Record clip</source>
        <translation>Clip aufnehmen</translation>
    </message>
    <message>
        <source>Teaching aids</source>
        <translation>Unterrichtshilfen</translation>
    </message>
    <message>
        <source>Link to this demonstration</source>
        <translation>Link zu dieser Demonstration</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>End the program? The picture and the readouts will be gone.</source>
        <translation>Programm beenden? Bild und Anzeigen gehen verloren.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>the browser could not make the image</source>
        <translation>der Browser konnte das Bild nicht erzeugen</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>Das Bild wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The picture is on the clipboard.</source>
        <translation>Das Bild ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>This browser does not let the page copy the picture; save it instead.</source>
        <translation>Dieser Browser lässt die Seite das Bild nicht kopieren; speichern Sie es stattdessen.</translation>
    </message>
    <message>
        <source>A clip records a running demonstration: choose one and click Select first.</source>
        <translation>Ein Clip nimmt eine laufende Demonstration auf: erst eine wählen und auf „Wählen“ klicken.</translation>
    </message>
    <message>
        <source>The clip is saved as %1.</source>
        <translation>Der Clip ist als %1 gespeichert.</translation>
    </message>
    <message>
        <source>This browser does not allow full screen here.</source>
        <translation>Dieser Browser erlaubt hier kein Vollbild.</translation>
    </message>
    <message>
        <source>The link is on the clipboard.</source>
        <translation>Der Link ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Copy the link from the box.</source>
        <translation>Kopieren Sie den Link aus dem Feld.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>Das Programm wurde beendet.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu starten</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Save the picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>Das Bild wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Keys and colours</source>
        <translation>Tasten und Farben</translation>
    </message>
</context>
<context>
    <name>Spacetime</name>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>Time (now at the top)</source>
        <translation>Zeit (jetzt oben)</translation>
    </message>
    <message>
        <source>Position along the track</source>
        <translation>Ort entlang der Bahn</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Raumzeit</translation>
    </message>
    <message>
        <source>In the diagram: the light reaching the observer now left the front %1 time units ago, when it was %2 track units behind where it is now.</source>
        <translation>Im Diagramm: Das Licht, das den Beobachter jetzt erreicht, verließ die Spitze vor %1 Zeiteinheiten, als sie %2 Bahneinheiten hinter ihrem jetzigen Ort war.</translation>
    </message>
    <message>
        <source>%1: the ends as the observer sees them now</source>
        <translation>%1: die Enden, wie der Beobachter sie jetzt sieht</translation>
    </message>
    <message>
        <source>%1: the ends&apos; worldlines, dots where they are now</source>
        <translation>%1: die Weltlinien der Enden, Punkte: wo sie jetzt sind</translation>
    </message>
    <message>
        <source>%1: the past light cone, the events seen now</source>
        <translation>%1: der Lichtkegel der Vergangenheit, die jetzt gesehenen Ereignisse</translation>
    </message>
    <message>
        <source>Position along the body&apos;s line</source>
        <translation>Ort entlang der Linie des Körpers</translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation>Länge beob.</translation>
    </message>
    <message>
        <source>v obs</source>
        <translation>v beob.</translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation>Eigenzeit</translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation>Bahnanzeige</translation>
    </message>
</context>
</TS>
