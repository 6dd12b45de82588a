<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Words</name>
    <message numerus="yes">
        <source>it holds only %n lines, too few for a saved reading&apos;s birth date and time</source>
        <translation>
            <numerusform>it holds only %n line, too few for a saved reading&apos;s birth date and time</numerusform>
            <numerusform>it holds only %n lines, too few for a saved reading&apos;s birth date and time</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n lines, too few for a saved reading&apos;s birth date and time.</source>
        <translation>
            <numerusform>&quot;%1&quot; holds only %n line, too few for a saved reading&apos;s birth date and time.</numerusform>
            <numerusform>&quot;%1&quot; holds only %n lines, too few for a saved reading&apos;s birth date and time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>give or take %n minutes</source>
        <translation>
            <numerusform>give or take %n minute</numerusform>
            <numerusform>give or take %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>give or take %n hours</source>
        <translation>
            <numerusform>give or take an hour</numerusform>
            <numerusform>give or take %n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>give or take %n days</source>
        <translation>
            <numerusform>give or take a day</numerusform>
            <numerusform>give or take %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A birth %n minutes later gives %1 from %2: check the recorded time.</source>
        <translation>
            <numerusform>A birth %n minute later gives %1 from %2: check the recorded time.</numerusform>
            <numerusform>A birth %n minutes later gives %1 from %2: check the recorded time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A birth %n minutes earlier gives %1 from %2: check the recorded time.</source>
        <translation>
            <numerusform>A birth %n minute earlier gives %1 from %2: check the recorded time.</numerusform>
            <numerusform>A birth %n minutes earlier gives %1 from %2: check the recorded time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>how far off a row is</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
