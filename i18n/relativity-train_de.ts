<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Control window</name>
    <message>
        <source>Select</source>
        <extracomment>The Start button while a demonstration is being chosen: starts it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The length-contraction switch; its box is narrow (about 4 letters).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un Freeze</source>
        <extracomment>The Freeze button while the picture is frozen: lets it go on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length Contraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Speed v</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Demonstrations</name>
    <message>
        <source>Round Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train on round track Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse Racing Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train on long track Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrell rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrell rotation ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Relativity Train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Relativity Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See a train as an observer sees it when light takes time to arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>relativity;light;Lorentz;contraction;Terrell;physics;teaching;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch a train as an observer sees it when light takes time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interactive demonstration of special relativity for teaching. A train runs along a track at a speed you choose, below the demonstration&apos;s speed of light. Light from each end of the train takes time to reach the observer, so the observer sees each end where it was when the light left it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three demonstrations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a round track with the observer at its centre, where the seen train trails the true one;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a long racetrack, where the seen train stretches as it comes closer and shrinks as it goes away;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a body passing on straight lines whose image looks turned (Terrell rotation).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readouts give the observed length, the observed speed, the train&apos;s proper time and the observer&apos;s local time; length contraction can be switched on and off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The train&apos;s speed v, in track units per time unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed of light in this demonstration, c = 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames in which the train moves forward, counted in fives: half-seconds at ten a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to switch length contraction on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the train (the near edge) as the observer sees it, along the track; at rest 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How fast the observer sees the front of the train move along the track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The train&apos;s own time over the same frames: each adds the square root of 1 - v²/c².</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of light c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length contraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstration type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose the next demonstration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The three demonstrations and their numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps to the next demonstration: 1, 2, 3, 1, ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstration title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The demonstration now running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <extracomment>The decimal sign of the readouts, as &quot;13.59&quot; is written in this language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Track window</name>
    <message>
        <source>Length obs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v obs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
