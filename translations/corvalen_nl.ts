<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/TurnWords.cpp" line="+18"/>
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
        <location line="+108"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Het archief kon niet worden geschreven: %1

Deze beurt gaat verder zonder archief.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Deze beurt gaat verder zonder archief.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>U kunt de stukken van uw tegenstander niet verplaatsen.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>U hebt %1 al verstuurd. Terugnemen? Als uw tegenstander die e-mail heeft, klopt deze partij er niet meer mee.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Send %1</source>
        <translation>%1 versturen</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You have sent %1 from this position already. Send %2 instead? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>U hebt vanuit deze stelling al %1 verstuurd. In plaats daarvan %2 versturen? Als uw tegenstander die e-mail heeft, klopt deze partij er niet meer mee.</translation>
    </message>
    <message>
        <location line="-29"/>
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
        <translation>Klik op Verzenden om de zet te kopiëren, of Terugnemen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Deze partij eindigde op %1 (%2); er wordt niets gearchiveerd</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Stelling onmogelijk in een partij (%1); ze wordt niet gearchiveerd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Stelling onmogelijk in een partij (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You answered this position on %1 with %2.</source>
        <translation>U hebt deze stelling op %1 beantwoord met %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You answered this position in game %1 on %2 with %3; a move sent now starts a new game.</source>
        <translation>U hebt deze stelling in partij %1 op %2 beantwoord met %3; een zet die u nu verstuurt, begint een nieuwe partij.</translation>
    </message>
    <message>
        <location line="+6"/>
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
        <location line="+81"/>
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
    <name>Page</name>
    <message>
        <location filename="../game/PageWords.cpp" line="+13"/>
        <source>Paste your opponent&apos;s CHESS-CODE (Ctrl+V)</source>
        <translation>Plak de CHESS-CODE van uw tegenstander (Ctrl+V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Flip</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep a record of games</source>
        <translation>Partijen bijhouden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No game is recorded yet.</source>
        <translation>Er is nog geen partij vastgelegd.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../game/RecordWords.cpp" line="+136"/>
        <source>the game record %1: %2</source>
        <translation>het partijarchief %1: %2</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be created: %1</source>
        <translation>kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no games recorded yet</source>
        <translation>nog geen partijen gearchiveerd</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot delete %1: %2</source>
        <translation>kan %1 niet verwijderen: %2</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw koning heeft in deze partij al bewogen (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw toren heeft in deze partij al bewogen (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>U kunt aan deze kant niet rokeren: uw toren is in deze partij geslagen (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no game %1</source>
        <translation>geen partij %1</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Dit is de stelling die u in partij %1 op %2 verstuurde (%3).</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Dit is de stelling die u in partij %1 op %2 verstuurde.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Uw tegenstander heeft nog niet met een zet geantwoord.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Dit is een eerdere stelling van partij %1 (na %2); de partij staat nu bij %3.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Dit is een eerdere stelling van partij %1 (de beginstelling); de partij staat nu bij %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Deze stelling volgt niet met één reglementaire zet uit de stelling die u verstuurde in de partij begonnen op %1 (laatste zet %2). Ze wordt bewaard als nieuwe partij.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Deze stelling volgt niet met één reglementaire zet uit de stelling die u verstuurde in de partij begonnen op %1. Ze wordt bewaard als nieuwe partij.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>New game</source>
        <translation>Nieuwe partij</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game started from this position</source>
        <translation>Partij begonnen vanuit deze stelling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Volgt niet op uw laatste zet: bewaard als nieuwe partij</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Your opponent played %1</source>
        <translation>Uw tegenstander speelde %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>cannot make the folder %1: %2</source>
        <translation>kan de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>failed</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>geschreven door een nieuwere versie van Corvalen (archiefversie %1); ongewijzigd gelaten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>geen partijarchief van Corvalen; ongewijzigd gelaten</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../game/RulesWords.cpp" line="+11"/>
        <source>a pawn on the last row</source>
        <translation>een pion op de laatste rij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a pawn on the first row</source>
        <translation>een pion op de eerste rij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a side without exactly one king</source>
        <translation>een kant zonder precies één koning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the side that just moved left in check</source>
        <translation>de kant die net zette staat schaak</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Geen zet: %1 (Engelse stukletters: K Q R B N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Geen reglementaire zet past bij ‘%1’.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 or %2?</source>
        <translation>%1 of %2?</translation>
    </message>
</context>
<context>
    <name>corvalen::BoardCell</name>
    <message>
        <location filename="../ui/BoardCell.cpp" line="+53"/>
        <location filename="../game/PageWords.cpp" line="+40"/>
        <source>%1, white pawn</source>
        <translation>%1, witte pion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white rook</source>
        <translation>%1, witte toren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white knight</source>
        <translation>%1, wit paard</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white bishop</source>
        <translation>%1, witte loper</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white queen</source>
        <translation>%1, witte dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white king</source>
        <translation>%1, witte koning</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>%1, black pawn</source>
        <translation>%1, zwarte pion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black rook</source>
        <translation>%1, zwarte toren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black knight</source>
        <translation>%1, zwart paard</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black bishop</source>
        <translation>%1, zwarte loper</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black queen</source>
        <translation>%1, zwarte dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black king</source>
        <translation>%1, zwarte koning</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/PageWords.cpp" line="+94"/>
        <source>%1, empty</source>
        <translation>%1, leeg</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, in check</source>
        <translation>%1, staat schaak</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, last move</source>
        <translation>%1, laatste zet</translation>
    </message>
</context>
<context>
    <name>corvalen::GameTableModel</name>
    <message>
        <location filename="../ui/GameTableModel.cpp" line="+40"/>
        <location filename="../game/DeskWords.cpp" line="+19"/>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day</source>
        <translation>
            <numerusform>%n dag geleden</numerusform>
            <numerusform>%n dagen geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n dag geleden</numerusform>
            <numerusform>%n dagen geleden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../game/DeskWords.cpp" line="+32"/>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/DeskWords.cpp" line="-8"/>
        <source>Yours</source>
        <translation>U</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Theirs</source>
        <translation>Tegenstander</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../game/DeskWords.cpp" line="-33"/>
        <source>Opponent</source>
        <translation>Tegenstander</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>You</source>
        <translation>U</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Last move</source>
        <translation>Laatste zet</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Turn</source>
        <translation>Aan zet</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Since</source>
        <translation>Laatst</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
</context>
<context>
    <name>corvalen::PieceImages</name>
    <message>
        <location filename="../ui/PieceImages.cpp" line="+40"/>
        <location filename="../game/PageWords.cpp" line="-135"/>
        <source>pawn</source>
        <translation>pion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>rook</source>
        <translation>toren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>knight</source>
        <translation>paard</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>bishop</source>
        <translation>loper</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>king</source>
        <translation>koning</translation>
    </message>
</context>
<context>
    <name>corvalen::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+61"/>
        <source>Chess</source>
        <translation>Schaken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About Chess</source>
        <translation>Over Schaken</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/PageWords.cpp" line="-28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Chess by e-mail for two players, one turn per run. Copy your opponent&apos;s code, make one move and mail back the new code.</source>
        <translation>Schaken per e-mail voor twee spelers, één beurt per start. Kopieer de code van uw tegenstander, doe één zet en mail de nieuwe code terug.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Free software under the GNU General Public License, version 3 or later (see the file LICENSE). It comes with no warranty.</source>
        <translation>Vrije software onder de GNU General Public License, versie 3 of later (zie het bestand LICENSE). Het komt zonder enige garantie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Corvalen documentation</source>
        <translation>Corvalen-handleiding (Engels)</translation>
    </message>
</context>
<context>
    <name>corvalen::frmBoardCode</name>
    <message>
        <location filename="../ui/frmBoardCode.cpp" line="+15"/>
        <source>Windows Clipboard</source>
        <translation>Windows-klembord</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+93"/>
        <source>Clipboard</source>
        <translation>klembord</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuwe partij</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="-100"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the Chess Code</source>
        <translation>Kopieer de schaakcode</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/PageWords.cpp" line="+105"/>
        <source>Unable to find the CHESS-CODE in the %1.

Please COPY the CHESS-CODE into the Clipboard and press OK.</source>
        <translation>Geen CHESS-CODE gevonden op het %1.

KOPIEER de CHESS-CODE naar het klembord en klik op OK.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmChess</name>
    <message>
        <location filename="../ui/frmChess.cpp" line="+41"/>
        <location filename="../ui/main.cpp" line="+15"/>
        <location filename="../game/PageWords.cpp" line="-122"/>
        <source>Chess</source>
        <translation>Schaken</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+45"/>
        <location line="+144"/>
        <location filename="../game/PageWords.cpp" line="+89"/>
        <source>In Check</source>
        <translation>Schaak</translation>
    </message>
    <message>
        <location line="-188"/>
        <location filename="../game/PageWords.cpp" line="-85"/>
        <source>&amp;Undo Move</source>
        <translation>&amp;Terugnemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+1"/>
        <source>&amp;Send Move</source>
        <translation>&amp;Verzenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game...</source>
        <translation>&amp;Partij...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="-2"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuwe partij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Type a move</source>
        <translation>Typ een zet</translation>
    </message>
    <message>
        <location line="+115"/>
        <location filename="../game/PageWords.cpp" line="+124"/>
        <source>The CHESS-CODE on the Clipboard is incomplete or damaged.

Please copy the whole CHESS-CODE from the e-mail again.</source>
        <translation>De CHESS-CODE op het klembord is onvolledig of beschadigd.

Kopieer de hele CHESS-CODE opnieuw uit de e-mail.</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+148"/>
        <location filename="../game/PageWords.cpp" line="-39"/>
        <source>Mate</source>
        <translation>Mat</translation>
    </message>
    <message>
        <location line="-148"/>
        <location line="+153"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Stalemate</source>
        <translation>Pat</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>BLACK to move.
Use the mouse to drag and drop your move.</source>
        <translation>ZWART aan zet.
Sleep een stuk met de muis om te zetten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>WHITE to move.
Use the mouse to drag and drop your move.</source>
        <translation>WIT aan zet.
Sleep een stuk met de muis om te zetten.</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../game/PageWords.cpp" line="+56"/>
        <source>Your CHESS-CODE has been copied to the %1.

Now PASTE this CHESS-CODE into an email message and send it.</source>
        <translation>Uw CHESS-CODE is naar het %1 gekopieerd.

PLAK deze CHESS-CODE nu in een e-mailbericht en verstuur het.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New &amp;E-mail</source>
        <translation>Nieuwe &amp;e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+15"/>
        <source>New E-mail</source>
        <translation>Nieuwe e-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The mail program could not be started.

Your CHESS-CODE is still on the %1: paste it into an e-mail.</source>
        <translation>Het e-mailprogramma kon niet worden gestart.

Uw CHESS-CODE staat nog op het %1: plak hem in een e-mail.</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nieuwe partij beginnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+5"/>
        <source>Start a New Game</source>
        <translation>Nieuwe partij beginnen</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The picture file &quot;%1&quot; is missing or cannot be read.

It was looked for in the folder:
%2

A plain square is shown in its place.</source>
        <translation>Het afbeeldingsbestand ‘%1’ ontbreekt of kan niet worden gelezen.

Er is gezocht in de map:
%2

In plaats daarvan wordt een leeg veld getoond.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmGame</name>
    <message>
        <location filename="../ui/frmGame.cpp" line="+93"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Copy &amp;FEN</source>
        <translation>&amp;FEN kopiëren</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>&amp;Resign...</source>
        <translation>Op&amp;geven...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent Resi&amp;gned...</source>
        <translation>Tegenstander g&amp;af op...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Dr&amp;aw Agreed...</source>
        <translation>&amp;Remise overeengekomen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>R&amp;eopen Game</source>
        <translation>Partij &amp;heropenen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Claim Draw...</source>
        <translation>Remise &amp;claimen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>De&amp;lete Game...</source>
        <translation>Partij &amp;verwijderen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep a record of my games on this computer</source>
        <translation>&amp;Mijn partijen op deze computer bijhouden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record...</source>
        <translation>Archief ver&amp;wijderen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>Show the board from the &amp;side to move</source>
        <translation>Bor&amp;d tonen vanaf de kant die aan zet is</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/DeskWords.cpp" line="-12"/>
        <source>Save &amp;PGN...</source>
        <translation>&amp;PGN opslaan...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>C&amp;opy PGN</source>
        <translation>PGN k&amp;opiëren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+15"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+417"/>
        <location line="+77"/>
        <location line="+8"/>
        <location line="+24"/>
        <location filename="../game/DeskWords.cpp" line="-27"/>
        <source>Game</source>
        <translation>Partij</translation>
    </message>
    <message>
        <location line="-513"/>
        <source>Moves of the game</source>
        <translation>Zetten van de partij</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>Games</source>
        <translation>Partijen</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../game/DeskWords.cpp" line="+10"/>
        <source>Mo&amp;ves</source>
        <translation>&amp;Zetten</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Replay board</source>
        <translation>Naspeelbord</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+11"/>
        <source>Opponen&amp;t</source>
        <translation>&amp;Tegenstander</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent&apos;s e-&amp;mail</source>
        <translation>&amp;E-mailadres tegenstander</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Notes (only you see them)</source>
        <translation>&amp;Notities (alleen u ziet ze)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="-3"/>
        <source>&amp;Your name</source>
        <translation>&amp;Uw naam</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>No game is recorded now. The games recorded so far are kept in the file %1.</source>
        <translation>Er worden nu geen partijen bijgehouden. De tot nu toe bijgehouden partijen staan in het bestand %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvalen then shows the move your opponent made, checks that each code follows from the one you sent and keeps every game for PGN, in the file %1.</source>
        <translation>Corvalen toont dan de zet van uw tegenstander, controleert of elke code volgt uit de code die u verstuurde en bewaart elke partij voor PGN, in het bestand %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Game started %1. Copy PGN puts the game on the Clipboard in place of the CHESS-CODE.</source>
        <translation>Partij begonnen op %1. PGN kopiëren zet de partij op het klembord in plaats van de CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No recorded game belongs to this position.</source>
        <translation>Bij deze stelling hoort geen bijgehouden partij.</translation>
    </message>
    <message>
        <location line="+193"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>not one plain address</source>
        <translation>geen enkel, eenvoudig adres</translation>
    </message>
    <message>
        <location line="+31"/>
        <location filename="../game/DeskWords.cpp" line="+22"/>
        <source>the game started %1</source>
        <translation>de partij begonnen op %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>the game against %1 started %2</source>
        <translation>de partij tegen %1 begonnen op %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>the game started %1 (%2)</source>
        <translation>de partij begonnen op %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>the game against %1 started %2 (%3)</source>
        <translation>de partij tegen %1 begonnen op %2 (%3)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>Resign %1?</source>
        <translation>Wilt u %1 opgeven?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Resign</source>
        <translation>Opgeven</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Your opponent resigned %1?</source>
        <translation>Uw tegenstander heeft %1 opgegeven?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Opponent Resigned</source>
        <translation>Tegenstander gaf op</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>You and your opponent agreed a draw in %1?</source>
        <translation>Zijn u en uw tegenstander remise overeengekomen in %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Draw Agreed</source>
        <translation>Remise overeengekomen</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../game/DeskWords.cpp" line="+7"/>
        <source>Claim a draw by threefold repetition in %1?</source>
        <translation>Remise claimen wegens drievoudige herhaling in %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Claim a draw by 50 moves without a capture or pawn move in %1?</source>
        <translation>Remise claimen wegens 50 zetten zonder slag of pionzet in %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Claim Draw</source>
        <translation>Remise claimen</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>Delete %1?

Its moves and notes are removed; your other games stay as they are.</source>
        <translation>Wilt u %1 verwijderen?

De zetten en notities ervan worden verwijderd; uw andere partijen blijven zoals ze zijn.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Delete Game</source>
        <translation>Partij verwijderen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete the record of all your games in %1?

This cannot be undone.</source>
        <translation>Het archief van al uw partijen in %1 verwijderen?

Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save PGN</source>
        <translation>PGN opslaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PGN files (*.pgn);;All files (*)</source>
        <translation>PGN-bestanden (*.pgn);;Alle bestanden (*)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The PGN could not be saved in %1:
%2</source>
        <translation>De PGN kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>The PGN of %1 is on the clipboard in place of the CHESS-CODE.</source>
        <translation>De PGN van %1 staat op het klembord in plaats van de CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>FEN of the start copied to the clipboard: %1</source>
        <translation>FEN van de beginstelling naar het klembord gekopieerd: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>FEN after %1 copied to the clipboard: %2</source>
        <translation>FEN na %1 naar het klembord gekopieerd: %2</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <location filename="../game/PageWords.cpp" line="-51"/>
        <source>Select the piece you would like:</source>
        <translation>Kies het gewenste stuk:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-34"/>
        <location filename="../game/PageWords.cpp" line="-5"/>
        <source>Change Pawn</source>
        <translation>Promotie van pion</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation>Stukken</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+10"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation>De pijltoetsen of R, N, B en Q (toren, paard, loper, dame) kiezen een stuk; Enter bevestigt de keuze.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>, chosen</source>
        <translation>, gekozen</translation>
    </message>
</context>
</TS>
