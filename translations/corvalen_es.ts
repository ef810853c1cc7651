<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+47"/>
        <source>Select the piece you would like:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Change Pawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
