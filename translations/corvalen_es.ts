<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/Game.cpp" line="+45"/>
        <source>White resigned</source>
        <translation>las blancas abandonaron</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>las negras abandonaron</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>tablas acordadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>tablas reclamadas: triple repetición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>tablas reclamadas: 50 jugadas sin captura ni movimiento de peón</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Tablas reclamadas: triple repetición.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Tablas reclamadas: 50 jugadas sin captura ni movimiento de peón.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Tablas reclamables: triple repetición.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Tablas reclamables: 50 jugadas sin captura ni movimiento de peón.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>No se pudo escribir el registro: %1

Este turno continúa sin el registro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Este turno continúa sin el registro.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>No puede mover las piezas de su adversario.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Ya ha enviado %1. ¿Retirarla? Si su adversario tiene ese correo, esta partida dejará de coincidir con él.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Jaque mate: usted gana. Enviar se lo comunica al adversario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Ahogado: tablas. Enviar se lo comunica al adversario.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Pulse Enviar para copiar su jugada, o Deshacer.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Esta partida terminó el %1 (%2); no se registra nada</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Esta posición no puede darse en una partida (%1); no se registra.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Esta posición no puede darse en una partida (%1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checkmate: Black wins.</source>
        <translation>Jaque mate: ganan las negras.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Jaque mate: ganan las blancas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Ahogado: tablas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Tablas: ningún bando puede dar mate.</translation>
    </message>
    <message>
        <location line="+257"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Ajedrez: mi jugada (reclamo tablas: triple repetición)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Ajedrez: mi jugada (reclamo tablas: 50 jugadas sin captura ni movimiento de peón)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Ajedrez: mi jugada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Ajedrez: mi jugada %1 (reclamo tablas: triple repetición)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Ajedrez: mi jugada %1 (reclamo tablas: 50 jugadas sin captura ni movimiento de peón)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Ajedrez: mi jugada %1</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../record/GameRecord.cpp" line="+50"/>
        <location line="+12"/>
        <source>the game record %1: %2</source>
        <translation>el registro de partidas %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be created: %1</source>
        <translation>no se puede crear: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no games recorded yet</source>
        <translation>aún no hay partidas registradas</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>cannot delete %1: %2</source>
        <translation>no se puede borrar %1: %2</translation>
    </message>
    <message>
        <location filename="../record/History.cpp" line="+70"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>No puede enrocar por este lado: su rey se movió en esta partida (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>No puede enrocar por este lado: su torre se movió en esta partida (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>No puede enrocar por este lado: su torre fue capturada en esta partida (%1).</translation>
    </message>
    <message>
        <location filename="../record/Reading.cpp" line="+27"/>
        <source>no game %1</source>
        <translation>no existe la partida %1</translation>
    </message>
    <message>
        <location filename="../record/Recognition.cpp" line="+149"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Es la posición que envió en la partida %1 el %2 (%3).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Es la posición que envió en la partida %1 el %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Su adversario aún no ha respondido con una jugada.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Es una posición anterior de la partida %1 (tras %2); la partida va ahora por %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Es una posición anterior de la partida %1 (la posición inicial); la partida va ahora por %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Esta posición no se obtiene con una jugada legal desde la posición que envió en la partida empezada el %1 (última jugada %2). Se guarda como partida nueva.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Esta posición no se obtiene con una jugada legal desde la posición que envió en la partida empezada el %1. Se guarda como partida nueva.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game started from this position</source>
        <translation>Partida empezada desde esta posición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>No sigue a su última jugada: se guarda como partida nueva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent played %1</source>
        <translation>Su adversario jugó %1</translation>
    </message>
    <message>
        <location filename="../record/RecordPaths.cpp" line="+56"/>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location filename="../record/Sqlite.cpp" line="+165"/>
        <source>not committed</source>
        <translation>no confirmado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>failed</source>
        <translation>falló</translation>
    </message>
    <message>
        <location filename="../record/Store.cpp" line="+131"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>escrito por una versión más reciente de Corvalen (versión del registro %1); se deja como está</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>no es un registro de partidas de Corvalen; se deja como está</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../rules/GameStatus.cpp" line="+52"/>
        <source>a pawn on the last row</source>
        <translation>un peón en la última fila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pawn on the first row</source>
        <translation>un peón en la primera fila</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a side without exactly one king</source>
        <translation>un bando sin exactamente un rey</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the side that just moved left in check</source>
        <translation>el bando que acaba de jugar queda en jaque</translation>
    </message>
    <message>
        <location filename="../rules/TypedMove.cpp" line="+149"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>No es una jugada: %1 (letras inglesas de las piezas: K Q R B N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Ninguna jugada legal coincide con «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 or %2?</source>
        <translation>¿%1 o %2?</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <source>Select the piece you would like:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Change Pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>, chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
