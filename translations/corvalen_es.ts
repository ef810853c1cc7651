<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/TurnWords.cpp" line="+18"/>
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
        <translation>Se pueden reclamar tablas: triple repetición.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Se pueden reclamar tablas: 50 jugadas sin captura ni movimiento de peón.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>No se pudo escribir el registro: %1

Este turno continúa sin el registro.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Este turno continúa sin el registro.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>No puede mover las piezas de su adversario.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Ya ha enviado %1. ¿Retirarla? Si su adversario tiene ese correo, esta partida dejará de coincidir con él.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Send %1</source>
        <translation>Enviar %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You have sent %1 from this position already. Send %2 instead? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Ya ha enviado %1 desde esta posición. ¿Enviar %2 en su lugar? Si su adversario tiene ese correo, esta partida dejará de coincidir con él.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Jaque mate: usted gana. Enviar jugada se lo comunica al adversario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Ahogado: tablas. Enviar jugada se lo comunica al adversario.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Pulse Enviar jugada para copiar su jugada, o Deshacer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Esta partida terminó el %1 (%2); no se registra nada</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Esta posición no puede darse en una partida (%1); no se registra.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Esta posición no puede darse en una partida (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You answered this position on %1 with %2.</source>
        <translation>Respondió a esta posición el %1 con %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You answered this position in game %1 on %2 with %3; a move sent now starts a new game.</source>
        <translation>Respondió a esta posición en la partida %1 el %2 con %3; una jugada enviada ahora empieza una partida nueva.</translation>
    </message>
    <message>
        <location line="+6"/>
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
        <location line="+81"/>
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
    <name>Page</name>
    <message>
        <location filename="../game/PageWords.cpp" line="+13"/>
        <source>Paste your opponent&apos;s CHESS-CODE (Ctrl+V)</source>
        <translation>Pegue el CHESS-CODE de su adversario (Ctrl+V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Flip</source>
        <translation>Girar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep a record of games</source>
        <translation>Guardar un registro de las partidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No game is recorded yet.</source>
        <translation>Todavía no hay ninguna partida registrada.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../game/RecordWords.cpp" line="+136"/>
        <source>the game record %1: %2</source>
        <translation>el registro de partidas %1: %2</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be created: %1</source>
        <translation>no se puede crear: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no games recorded yet</source>
        <translation>aún no hay partidas registradas</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot delete %1: %2</source>
        <translation>no se puede borrar %1: %2</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>No puede enrocar por este lado: su rey se movió en esta partida (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>No puede enrocar por este lado: su torre se movió en esta partida (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>No puede enrocar por este lado: su torre fue capturada en esta partida (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no game %1</source>
        <translation>no existe la partida %1</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Es la posición que envió en la partida %1 el %2 (%3).</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Es la posición que envió en la partida %1 el %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Su adversario aún no ha respondido con una jugada.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Es una posición anterior de la partida %1 (tras %2); la partida va ahora por %3.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Es una posición anterior de la partida %1 (la posición inicial); la partida va ahora por %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Esta posición no se obtiene con una jugada legal desde la posición que envió en la partida empezada el %1 (última jugada %2). Se guarda como partida nueva.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Esta posición no se obtiene con una jugada legal desde la posición que envió en la partida empezada el %1. Se guarda como partida nueva.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game started from this position</source>
        <translation>Partida empezada desde esta posición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>No sigue a su última jugada: se guarda como partida nueva</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Your opponent played %1</source>
        <translation>Su adversario jugó %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>failed</source>
        <translation>falló</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>escrito por una versión más reciente de Corvalen (versión del registro %1); se deja como está</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>no es un registro de partidas de Corvalen; se deja como está</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../game/RulesWords.cpp" line="+11"/>
        <source>a pawn on the last row</source>
        <translation>un peón en la última fila</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a pawn on the first row</source>
        <translation>un peón en la primera fila</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a side without exactly one king</source>
        <translation>un bando sin exactamente un rey</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the side that just moved left in check</source>
        <translation>el bando que acaba de jugar queda en jaque</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>No es una jugada: %1 (letras inglesas de las piezas: K Q R B N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Ninguna jugada legal coincide con «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 or %2?</source>
        <translation>¿%1 o %2?</translation>
    </message>
</context>
<context>
    <name>corvalen::BoardCell</name>
    <message>
        <location filename="../ui/BoardCell.cpp" line="+53"/>
        <location filename="../game/PageWords.cpp" line="+40"/>
        <source>%1, white pawn</source>
        <translation>%1, peón blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white rook</source>
        <translation>%1, torre blanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white knight</source>
        <translation>%1, caballo blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white bishop</source>
        <translation>%1, alfil blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white queen</source>
        <translation>%1, dama blanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white king</source>
        <translation>%1, rey blanco</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>%1, black pawn</source>
        <translation>%1, peón negro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black rook</source>
        <translation>%1, torre negra</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black knight</source>
        <translation>%1, caballo negro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black bishop</source>
        <translation>%1, alfil negro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black queen</source>
        <translation>%1, dama negra</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black king</source>
        <translation>%1, rey negro</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/PageWords.cpp" line="+94"/>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, in check</source>
        <translation>%1, en jaque</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, last move</source>
        <translation>%1, última jugada</translation>
    </message>
</context>
<context>
    <name>corvalen::GameTableModel</name>
    <message>
        <location filename="../ui/GameTableModel.cpp" line="+40"/>
        <location filename="../game/DeskWords.cpp" line="+19"/>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../game/DeskWords.cpp" line="+32"/>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/DeskWords.cpp" line="-8"/>
        <source>Yours</source>
        <translation>Usted</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Theirs</source>
        <translation>Adversario</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../game/DeskWords.cpp" line="-33"/>
        <source>Opponent</source>
        <translation>Adversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Started</source>
        <translation>Empezada</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>corvalen::PieceImages</name>
    <message>
        <location filename="../ui/PieceImages.cpp" line="+40"/>
        <location filename="../game/PageWords.cpp" line="-135"/>
        <source>pawn</source>
        <translation>peón</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>rook</source>
        <translation>torre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>knight</source>
        <translation>caballo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>bishop</source>
        <translation>alfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>king</source>
        <translation>rey</translation>
    </message>
</context>
<context>
    <name>corvalen::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+61"/>
        <source>Chess</source>
        <translation>Ajedrez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About Chess</source>
        <translation>Acerca de Ajedrez</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/PageWords.cpp" line="-28"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Chess by e-mail for two players, one turn per run. Copy your opponent&apos;s code, make one move and mail back the new code.</source>
        <translation>Ajedrez por correo para dos jugadores, un turno por ejecución. Copie el código de su adversario, haga una jugada y devuelva el nuevo código.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Free software under the GNU General Public License, version 3 or later (see the file LICENSE). It comes with no warranty.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (véase el archivo LICENSE). Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Corvalen documentation</source>
        <translation>Guía de Corvalen (en inglés)</translation>
    </message>
</context>
<context>
    <name>corvalen::frmBoardCode</name>
    <message>
        <location filename="../ui/frmBoardCode.cpp" line="+15"/>
        <source>Windows Clipboard</source>
        <translation>portapapeles de Windows</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+93"/>
        <source>Clipboard</source>
        <translation>portapapeles</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva part.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="-100"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the Chess Code</source>
        <translation>Copie el código de ajedrez</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/PageWords.cpp" line="+105"/>
        <source>Unable to find the CHESS-CODE in the %1.

Please COPY the CHESS-CODE into the Clipboard and press OK.</source>
        <translation>No se encuentra el CHESS-CODE en el %1.

COPIE el CHESS-CODE al portapapeles y pulse Aceptar.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmChess</name>
    <message>
        <location filename="../ui/frmChess.cpp" line="+41"/>
        <location filename="../ui/main.cpp" line="+15"/>
        <location filename="../game/PageWords.cpp" line="-122"/>
        <source>Chess</source>
        <translation>Ajedrez</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+45"/>
        <location line="+144"/>
        <location filename="../game/PageWords.cpp" line="+89"/>
        <source>In Check</source>
        <translation>Jaque</translation>
    </message>
    <message>
        <location line="-188"/>
        <location filename="../game/PageWords.cpp" line="-85"/>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+1"/>
        <source>&amp;Send Move</source>
        <translation>&amp;Enviar jugada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game...</source>
        <translation>&amp;Partida...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="-2"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Type a move</source>
        <translation>Su jugada</translation>
    </message>
    <message>
        <location line="+115"/>
        <location filename="../game/PageWords.cpp" line="+124"/>
        <source>The CHESS-CODE on the Clipboard is incomplete or damaged.

Please copy the whole CHESS-CODE from the e-mail again.</source>
        <translation>El CHESS-CODE del portapapeles está incompleto o dañado.

Copie de nuevo el CHESS-CODE completo del correo electrónico.</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+148"/>
        <location filename="../game/PageWords.cpp" line="-39"/>
        <source>Mate</source>
        <translation>Mate</translation>
    </message>
    <message>
        <location line="-148"/>
        <location line="+153"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Stalemate</source>
        <translation>Ahogado</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>BLACK to move.
Use the mouse to drag and drop your move.</source>
        <translation>Juegan las NEGRAS.
Arrastre una pieza con el ratón para jugar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>WHITE to move.
Use the mouse to drag and drop your move.</source>
        <translation>Juegan las BLANCAS.
Arrastre una pieza con el ratón para jugar.</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../game/PageWords.cpp" line="+56"/>
        <source>Your CHESS-CODE has been copied to the %1.

Now PASTE this CHESS-CODE into an email message and send it.</source>
        <translation>Su CHESS-CODE se ha copiado en el %1.

Ahora PEGUE este CHESS-CODE en un mensaje de correo electrónico y envíelo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New &amp;E-mail</source>
        <translation>Nuevo &amp;correo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+15"/>
        <source>New E-mail</source>
        <translation>Nuevo correo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The mail program could not be started.

Your CHESS-CODE is still on the %1: paste it into an e-mail.</source>
        <translation>No se pudo iniciar el programa de correo.

Su CHESS-CODE sigue en el %1: péguelo en un correo electrónico.</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Empezar una partida nueva</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+5"/>
        <source>Start a New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The picture file &quot;%1&quot; is missing or cannot be read.

It was looked for in the folder:
%2

A plain square is shown in its place.</source>
        <translation>El archivo de imagen «%1» falta o no se puede leer.

Se buscó en la carpeta:
%2

En su lugar se muestra una casilla vacía.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmGame</name>
    <message>
        <location filename="../ui/frmGame.cpp" line="+93"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Copy &amp;FEN</source>
        <translation>Copiar &amp;FEN</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>&amp;Resign...</source>
        <translation>&amp;Abandonar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent Resi&amp;gned...</source>
        <translation>&amp;El adversario abandonó...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Dr&amp;aw Agreed...</source>
        <translation>&amp;Tablas acordadas...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>R&amp;eopen Game</source>
        <translation>Reabr&amp;ir partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Claim Draw...</source>
        <translation>Rec&amp;lamar tablas...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>De&amp;lete Game...</source>
        <translation>Borrar &amp;partida...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep a record of my games on this computer</source>
        <translation>Guardar un &amp;registro de mis partidas en este equipo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record...</source>
        <translation>&amp;Borrar registro...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>Show the board from the &amp;side to move</source>
        <translation>&amp;Mostrar el tablero desde el bando que juega</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/DeskWords.cpp" line="-12"/>
        <source>Save &amp;PGN...</source>
        <translation>&amp;Guardar PGN...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>C&amp;opy PGN</source>
        <translation>C&amp;opiar PGN</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+15"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+417"/>
        <location line="+77"/>
        <location line="+8"/>
        <location line="+24"/>
        <location filename="../game/DeskWords.cpp" line="-27"/>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <location line="-513"/>
        <source>Moves of the game</source>
        <translation>Jugadas de la partida</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../game/DeskWords.cpp" line="+10"/>
        <source>Mo&amp;ves</source>
        <translation>&amp;Jugadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Replay board</source>
        <translation>Tablero de repaso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+11"/>
        <source>Opponen&amp;t</source>
        <translation>A&amp;dversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent&apos;s e-&amp;mail</source>
        <translation>&amp;Correo del adversario</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Notes (only you see them)</source>
        <translation>&amp;Notas (solo usted las ve)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="-3"/>
        <source>&amp;Your name</source>
        <translation>&amp;Su nombre</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>No game is recorded now. The games recorded so far are kept in the file %1.</source>
        <translation>Ahora no se registra ninguna partida. Las partidas registradas hasta ahora se guardan en el archivo %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvalen then shows the move your opponent made, checks that each code follows from the one you sent and keeps every game for PGN, in the file %1.</source>
        <translation>Corvalen muestra entonces la jugada de su adversario, comprueba que cada código se deriva del que usted envió y guarda cada partida para PGN, en el archivo %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Game started %1. Copy PGN puts the game on the Clipboard in place of the CHESS-CODE.</source>
        <translation>Partida empezada el %1. Copiar PGN pone la partida en el portapapeles en lugar del CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No recorded game belongs to this position.</source>
        <translation>Ninguna partida registrada corresponde a esta posición.</translation>
    </message>
    <message>
        <location line="+193"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>not one plain address</source>
        <translation>no es una única dirección simple</translation>
    </message>
    <message>
        <location line="+31"/>
        <location filename="../game/DeskWords.cpp" line="+22"/>
        <source>the game started %1</source>
        <translation>la partida empezada el %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>the game against %1 started %2</source>
        <translation>la partida contra %1 empezada el %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>the game started %1 (%2)</source>
        <translation>la partida empezada el %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>the game against %1 started %2 (%3)</source>
        <translation>la partida contra %1 empezada el %2 (%3)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>Resign %1?</source>
        <translation>¿Abandonar %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Resign</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Your opponent resigned %1?</source>
        <translation>¿Su adversario abandonó %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Opponent Resigned</source>
        <translation>El adversario abandonó</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>You and your opponent agreed a draw in %1?</source>
        <translation>¿Usted y su adversario acordaron tablas en %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Draw Agreed</source>
        <translation>Tablas acordadas</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../game/DeskWords.cpp" line="+7"/>
        <source>Claim a draw by threefold repetition in %1?</source>
        <translation>¿Reclamar tablas por triple repetición en %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Claim a draw by 50 moves without a capture or pawn move in %1?</source>
        <translation>¿Reclamar tablas por 50 jugadas sin captura ni movimiento de peón en %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Claim Draw</source>
        <translation>Reclamar tablas</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>Delete %1?

Its moves and notes are removed; your other games stay as they are.</source>
        <translation>¿Borrar %1?

Se eliminan las jugadas y notas de esa partida; sus demás partidas no cambian.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Delete Game</source>
        <translation>Borrar partida</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete the record of all your games in %1?

This cannot be undone.</source>
        <translation>¿Borrar el registro de todas sus partidas en %1?

Esto no se puede deshacer.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save PGN</source>
        <translation>Guardar PGN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PGN files (*.pgn);;All files (*)</source>
        <translation>Archivos PGN (*.pgn);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The PGN could not be saved in %1:
%2</source>
        <translation>No se pudo guardar el PGN en %1:
%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>The PGN of %1 is on the clipboard in place of the CHESS-CODE.</source>
        <translation>El PGN de %1 está en el portapapeles en lugar del CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>FEN of the start copied to the clipboard: %1</source>
        <translation>FEN de la posición inicial copiada al portapapeles: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>FEN after %1 copied to the clipboard: %2</source>
        <translation>FEN tras %1 copiada al portapapeles: %2</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <location filename="../game/PageWords.cpp" line="-51"/>
        <source>Select the piece you would like:</source>
        <translation>Elija la pieza que desea:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-34"/>
        <location filename="../game/PageWords.cpp" line="-5"/>
        <source>Change Pawn</source>
        <translation>Coronación del peón</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+10"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation>Las flechas o R, N, B y Q (torre, caballo, alfil, dama) eligen una pieza; Intro la confirma.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>, chosen</source>
        <translation>, opción elegida</translation>
    </message>
</context>
</TS>
