<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/Game.cpp" line="+45"/>
        <source>White resigned</source>
        <translation>Weiß hat aufgegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>Schwarz hat aufgegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>Remis vereinbart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>Remis beansprucht: dreifache Wiederholung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>Remis beansprucht: 50 Züge ohne Schlagen oder Bauernzug</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Remis beansprucht: dreifache Wiederholung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Remis beansprucht: 50 Züge ohne Schlagen oder Bauernzug.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Remisanspruch möglich: dreifache Wiederholung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Remisanspruch möglich: 50 Züge ohne Schlagen oder Bauernzug.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Die Aufzeichnung konnte nicht geschrieben werden: %1

Dieser Zug wird ohne Aufzeichnung gespielt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Dieser Zug wird ohne Aufzeichnung gespielt.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Sie können die Figuren Ihres Gegners nicht ziehen.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Sie haben %1 bereits gesendet. Zurücknehmen? Falls Ihr Gegner diese E-Mail hat, passt diese Partie nicht mehr dazu.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Schachmatt: Sie gewinnen. Zug senden meldet es dem Gegner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Patt: Remis. Zug senden meldet es dem Gegner.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Zug senden kopiert Ihren Zug – oder Zug zurück.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Diese Partie endete am %1 (%2); es wird nichts aufgezeichnet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Stellung in keiner Partie möglich (%1); sie wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Stellung in keiner Partie möglich (%1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checkmate: Black wins.</source>
        <translation>Schachmatt: Schwarz gewinnt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Schachmatt: Weiß gewinnt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Patt: Remis.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Remis: Keine Seite kann mattsetzen.</translation>
    </message>
    <message>
        <location line="+257"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Schach: mein Zug (ich beanspruche Remis: dreifache Wiederholung)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Schach: mein Zug (ich beanspruche Remis: 50 Züge ohne Schlagen oder Bauernzug)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Schach: mein Zug</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Schach: mein Zug %1 (ich beanspruche Remis: dreifache Wiederholung)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Schach: mein Zug %1 (ich beanspruche Remis: 50 Züge ohne Schlagen oder Bauernzug)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Schach: mein Zug %1</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../record/GameRecord.cpp" line="+50"/>
        <location line="+12"/>
        <source>the game record %1: %2</source>
        <translation>die Partienaufzeichnung %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be created: %1</source>
        <translation>kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no games recorded yet</source>
        <translation>noch keine Partien aufgezeichnet</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location filename="../record/History.cpp" line="+70"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Sie können auf dieser Seite nicht rochieren: Ihr König hat in dieser Partie gezogen (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Sie können auf dieser Seite nicht rochieren: Ihr Turm hat in dieser Partie gezogen (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Sie können auf dieser Seite nicht rochieren: Ihr Turm wurde in dieser Partie geschlagen (%1).</translation>
    </message>
    <message>
        <location filename="../record/Reading.cpp" line="+27"/>
        <source>no game %1</source>
        <translation>keine Partie %1</translation>
    </message>
    <message>
        <location filename="../record/Recognition.cpp" line="+149"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Dies ist Ihre gesendete Stellung aus Partie %1 vom %2 (%3).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Dies ist Ihre gesendete Stellung aus Partie %1 vom %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Ihr Gegner hat noch nicht mit einem Zug geantwortet.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Dies ist eine frühere Stellung von Partie %1 (nach %2); die Partie steht jetzt bei %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Dies ist eine frühere Stellung von Partie %1 (die Ausgangsstellung); die Partie steht jetzt bei %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Diese Stellung folgt nicht durch einen regelgerechten Zug aus der Stellung, die Sie in der am %1 begonnenen Partie gesendet haben (letzter Zug %2). Sie wird als neue Partie geführt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Diese Stellung folgt nicht durch einen regelgerechten Zug aus der Stellung, die Sie in der am %1 begonnenen Partie gesendet haben. Sie wird als neue Partie geführt.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>New game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game started from this position</source>
        <translation>Partie ab dieser Stellung begonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Folgt nicht aus Ihrem letzten Zug: als neue Partie geführt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent played %1</source>
        <translation>Ihr Gegner spielte %1</translation>
    </message>
    <message>
        <location filename="../record/RecordPaths.cpp" line="+56"/>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../record/Sqlite.cpp" line="+165"/>
        <source>not committed</source>
        <translation>nicht übernommen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../record/Store.cpp" line="+131"/>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>von einer neueren Version von Corvalen geschrieben (Aufzeichnungsversion %1); unverändert gelassen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>keine Partienaufzeichnung von Corvalen; unverändert gelassen</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../rules/GameStatus.cpp" line="+52"/>
        <source>a pawn on the last row</source>
        <translation>ein Bauer auf der letzten Reihe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pawn on the first row</source>
        <translation>ein Bauer auf der ersten Reihe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a side without exactly one king</source>
        <translation>eine Seite ohne genau einen König</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the side that just moved left in check</source>
        <translation>die Seite, die gerade gezogen hat, steht im Schach</translation>
    </message>
    <message>
        <location filename="../rules/TypedMove.cpp" line="+149"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Kein Zug: %1 (englische Figurenbuchstaben: K Q R B N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Kein regelgerechter Zug passt zu „%1“.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 or %2?</source>
        <translation>%1 oder %2?</translation>
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
