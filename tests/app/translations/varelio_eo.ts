<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The start-up test's translation: varelio_eo.qm is this file through
     lrelease (Debian qt6-l10n-tools): lrelease varelio_eo.ts -->
<TS version="2.1" language="eo">
<context>
    <name>varelio::app::InputWindow</name>
    <message>
        <source>Varelio v%1</source>
        <translation>Varelio v%1 en Esperanto</translation>
    </message>
</context>
</TS>
