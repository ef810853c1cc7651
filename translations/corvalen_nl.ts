<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/Game.cpp" line="+45"/>
        <source>White resigned</source>
        <translation>wit gaf op</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>zwart gaf op</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>remise overeengekomen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>remise geclaimd: drievoudige herhaling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>remise geclaimd: 50 zetten zonder slag of pionzet</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Remise geclaimd: drievoudige herhaling.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Remise geclaimd: 50 zetten zonder slag of pionzet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Remise claimbaar: drievoudige herhaling.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Remise claimbaar: 50 zetten zonder slag of pionzet.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Het archief kon niet worden geschreven: %1

Deze beurt gaat verder zonder archief.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Deze beurt gaat verder zonder archief.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>U kunt de stukken van uw tegenstander niet verplaatsen.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>U hebt %1 al verstuurd. Terugnemen? Als uw tegenstander die e-mail heeft, klopt deze partij er niet meer mee.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Schaakmat: u wint. Verzenden laat het de tegenstander weten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Pat: remise. Verzenden laat het de tegenstander weten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Klik Verzenden om de zet te kopiëren, of Zet terug.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Deze partij eindigde op %1 (%2); er wordt niets gearchiveerd</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Stelling onmogelijk in een partij (%1); ze wordt niet gearchiveerd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Stelling onmogelijk in een partij (%1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checkmate: Black wins.</source>
        <translation>Schaakmat: zwart wint.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Schaakmat: wit wint.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Pat: remise.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Remise: geen van beide kan mat zetten.</translation>
    </message>
    <message>
        <location line="+257"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Schaken: mijn zet (ik claim remise: drievoudige herhaling)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Schaken: mijn zet (ik claim remise: 50 zetten zonder slag of pionzet)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Schaken: mijn zet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Schaken: mijn zet %1 (ik claim remise: drievoudige herhaling)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Schaken: mijn zet %1 (ik claim remise: 50 zetten zonder slag of pionzet)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Schaken: mijn zet %1</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../record/GameRecord.cpp" line="+50"/>
        <location line="+12"/>
        <source>the game record %1: %2</source>
        <translation>het partijarchief %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be created: %1</source>
        <translation>kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no games recorded yet</source>
        <translation>nog geen partijen gearchiveerd</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>cannot delete %1: %2</source>
        <translation>kan %1 niet verwijderen: %2</translation>
    </message>
    <message>
        <location filename="../record/History.cpp" line="+70"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw koning heeft in deze partij al gezet (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw toren heeft in deze partij al gezet (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw toren is in deze partij geslagen (%1).</translation>
    </message>
    <message>
        <location filename="../record/Reading.cpp" line="+27"/>
        <source>no game %1</source>
        <translation>geen partij %1</translation>
    </message>
    <message>
        <location filename="../record/Recognition.cpp" line="+149"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Dit is de stelling die u in partij %1 op %2 verstuurde (%3).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Dit is de stelling die u in partij %1 op %2 verstuurde.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Uw tegenstander heeft nog niet met een zet geantwoord.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Dit is een eerdere stelling van partij %1 (na %2); de partij staat nu bij %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Dit is een eerdere stelling van partij %1 (de beginstelling); de partij staat nu bij %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Deze stelling volgt niet met één reglementaire zet uit de stelling die u verstuurde in de partij begonnen op %1 (laatste zet %2). Ze wordt bewaard als nieuwe partij.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Deze stelling volgt niet met één reglementaire zet uit de stelling die u verstuurde in de partij begonnen op %1. Ze wordt bewaard als nieuwe partij.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>New game</source>
        <translation>Nieuwe partij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game started from this position</source>
        <translation>Partij begonnen vanuit deze stelling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Volgt niet op uw laatste zet: bewaard als nieuwe partij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent played %1</source>
        <translation>Uw tegenstander speelde %1</translation>
    </message>
    <message>
        <location filename="../record/RecordPaths.cpp" line="+56"/>
        <source>cannot make the folder %1: %2</source>
        <translation>kan de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <location filename="../record/Sqlite.cpp" line="+165"/>
        <source>not committed</source>
        <translation>niet vastgelegd</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>failed</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <location filename="../record/Store.cpp" line="+131"/>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>geschreven door een nieuwere versie van Corvalen (archiefversie %1); ongewijzigd gelaten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>geen partijarchief van Corvalen; ongewijzigd gelaten</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../rules/GameStatus.cpp" line="+52"/>
        <source>a pawn on the last row</source>
        <translation>een pion op de laatste rij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pawn on the first row</source>
        <translation>een pion op de eerste rij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a side without exactly one king</source>
        <translation>een kant zonder precies één koning</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the side that just moved left in check</source>
        <translation>de kant die net zette staat schaak</translation>
    </message>
    <message>
        <location filename="../rules/TypedMove.cpp" line="+149"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Geen zet: %1 (Engelse stukletters: K Q R B N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Geen reglementaire zet past bij ‘%1’.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 or %2?</source>
        <translation>%1 of %2?</translation>
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
