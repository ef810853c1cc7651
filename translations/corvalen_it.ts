<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/TurnWords.cpp" line="+18"/>
        <source>White resigned</source>
        <translation>il Bianco ha abbandonato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>il Nero ha abbandonato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>patta concordata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>patta reclamata: triplice ripetizione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>patta reclamata: 50 mosse senza catture né mosse di pedone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Patta reclamata: triplice ripetizione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Patta reclamata: 50 mosse senza catture né mosse di pedone.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Si può reclamare la patta: triplice ripetizione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Si può reclamare la patta: 50 mosse senza catture né mosse di pedone.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Impossibile scrivere il registro: %1

Questo turno prosegue senza il registro.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Questo turno prosegue senza il registro.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Non puoi muovere i pezzi dell&apos;avversario.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Hai già inviato %1. Ritirarla? Se l&apos;avversario ha ricevuto quell&apos;e-mail, questa partita non corrisponderà più.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Send %1</source>
        <translation>Invia %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You have sent %1 from this position already. Send %2 instead? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Hai già inviato %1 da questa posizione. Inviare invece %2? Se l&apos;avversario ha ricevuto quell&apos;e-mail, questa partita non corrisponderà più.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Scacco matto: hai vinto. Invia mossa lo comunica all&apos;avversario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Stallo: patta. Invia mossa lo comunica all&apos;avversario.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Premi Invia mossa per copiare la mossa, o Annulla.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Questa partita è finita il %1 (%2); non viene registrato nulla</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Posizione impossibile in una partita (%1); non viene registrata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Posizione impossibile in una partita (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You answered this position on %1 with %2.</source>
        <translation>Hai risposto a questa posizione il %1 con %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You answered this position in game %1 on %2 with %3; a move sent now starts a new game.</source>
        <translation>Hai risposto a questa posizione nella partita %1 il %2 con %3; una mossa inviata ora inizia una nuova partita.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Checkmate: Black wins.</source>
        <translation>Scacco matto: vince il Nero.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Scacco matto: vince il Bianco.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Stallo: patta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Patta: nessuno dei due può dare matto.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Scacchi: la mia mossa (reclamo la patta: triplice ripetizione)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Scacchi: la mia mossa (reclamo la patta: 50 mosse senza catture né mosse di pedone)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Scacchi: la mia mossa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Scacchi: la mia mossa %1 (reclamo la patta: triplice ripetizione)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Scacchi: la mia mossa %1 (reclamo la patta: 50 mosse senza catture né mosse di pedone)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Scacchi: la mia mossa %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <location filename="../game/PageWords.cpp" line="+13"/>
        <source>Paste your opponent&apos;s CHESS-CODE (Ctrl+V)</source>
        <translation>Incolla il CHESS-CODE dell&apos;avversario (Ctrl+V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Flip</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep a record of games</source>
        <translation>Tieni un registro delle partite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No game is recorded yet.</source>
        <translation>Nessuna partita è ancora registrata.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../game/RecordWords.cpp" line="+136"/>
        <source>the game record %1: %2</source>
        <translation>il registro delle partite %1: %2</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be created: %1</source>
        <translation>non può essere creato: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no games recorded yet</source>
        <translation>nessuna partita ancora registrata</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot delete %1: %2</source>
        <translation>impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: il tuo re si è mosso in questa partita (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: la tua torre si è mossa in questa partita (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: la tua torre è stata catturata in questa partita (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no game %1</source>
        <translation>nessuna partita %1</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>È la posizione che hai inviato nella partita %1 il %2 (%3).</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>È la posizione che hai inviato nella partita %1 il %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>L&apos;avversario non ha ancora risposto con una mossa.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>È una posizione precedente della partita %1 (dopo %2); la partita è ora a %3.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>È una posizione precedente della partita %1 (la posizione iniziale); la partita è ora a %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Questa posizione non deriva con una mossa legale dalla posizione che hai inviato nella partita iniziata il %1 (ultima mossa %2). Viene tenuta come nuova partita.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Questa posizione non deriva con una mossa legale dalla posizione che hai inviato nella partita iniziata il %1. Viene tenuta come nuova partita.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game started from this position</source>
        <translation>Partita iniziata da questa posizione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Non segue la tua ultima mossa: tenuta come nuova partita</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Your opponent played %1</source>
        <translation>L&apos;avversario ha giocato %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>scritto da una versione più recente di Corvalen (versione del registro %1); lasciato com&apos;è</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>non è un registro di partite di Corvalen; lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../game/RulesWords.cpp" line="+11"/>
        <source>a pawn on the last row</source>
        <translation>un pedone sull&apos;ultima traversa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a pawn on the first row</source>
        <translation>un pedone sulla prima traversa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a side without exactly one king</source>
        <translation>un colore senza esattamente un re</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the side that just moved left in check</source>
        <translation>il colore che ha appena mosso è rimasto sotto scacco</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Non è una mossa: %1 (lettere inglesi dei pezzi: K Q R B N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Nessuna mossa legale corrisponde a «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 or %2?</source>
        <translation>%1 o %2?</translation>
    </message>
</context>
<context>
    <name>corvalen::BoardCell</name>
    <message>
        <location filename="../ui/BoardCell.cpp" line="+53"/>
        <location filename="../game/PageWords.cpp" line="+40"/>
        <source>%1, white pawn</source>
        <translation>%1, pedone bianco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white rook</source>
        <translation>%1, torre bianca</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white knight</source>
        <translation>%1, cavallo bianco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white bishop</source>
        <translation>%1, alfiere bianco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white queen</source>
        <translation>%1, donna bianca</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white king</source>
        <translation>%1, re bianco</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>%1, black pawn</source>
        <translation>%1, pedone nero</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black rook</source>
        <translation>%1, torre nera</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black knight</source>
        <translation>%1, cavallo nero</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black bishop</source>
        <translation>%1, alfiere nero</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black queen</source>
        <translation>%1, donna nera</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black king</source>
        <translation>%1, re nero</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/PageWords.cpp" line="+94"/>
        <source>%1, empty</source>
        <translation>%1, vuota</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, in check</source>
        <translation>%1, sotto scacco</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, last move</source>
        <translation>%1, ultima mossa</translation>
    </message>
</context>
<context>
    <name>corvalen::GameTableModel</name>
    <message>
        <location filename="../ui/GameTableModel.cpp" line="+40"/>
        <location filename="../game/DeskWords.cpp" line="+19"/>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../game/DeskWords.cpp" line="+32"/>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/DeskWords.cpp" line="-8"/>
        <source>Yours</source>
        <translation>Tu</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Theirs</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../game/DeskWords.cpp" line="-33"/>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Last move</source>
        <translation>Ultima mossa</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Started</source>
        <translation>Iniziata</translation>
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
        <translation>Da</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>corvalen::PieceImages</name>
    <message>
        <location filename="../ui/PieceImages.cpp" line="+40"/>
        <location filename="../game/PageWords.cpp" line="-135"/>
        <source>pawn</source>
        <translation>pedone</translation>
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
        <translation>cavallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>bishop</source>
        <translation>alfiere</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>king</source>
        <translation>re</translation>
    </message>
</context>
<context>
    <name>corvalen::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+61"/>
        <source>Chess</source>
        <translation>Scacchi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono al momento disponibili</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About Chess</source>
        <translation>Informazioni su Scacchi</translation>
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
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Chess by e-mail for two players, one turn per run. Copy your opponent&apos;s code, make one move and mail back the new code.</source>
        <translation>Scacchi via e-mail per due giocatori, un turno per avvio. Copia il codice dell&apos;avversario, fai una mossa e rispedisci il nuovo codice.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Free software under the GNU General Public License, version 3 or later (see the file LICENSE). It comes with no warranty.</source>
        <translation>Software libero sotto la GNU General Public License, versione 3 o successiva (vedi il file LICENSE). È fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Corvalen documentation</source>
        <translation>Guida di Corvalen (in inglese)</translation>
    </message>
</context>
<context>
    <name>corvalen::frmBoardCode</name>
    <message>
        <location filename="../ui/frmBoardCode.cpp" line="+15"/>
        <source>Windows Clipboard</source>
        <translation>Appunti di Windows</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+93"/>
        <source>Clipboard</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova part.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="-100"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the Chess Code</source>
        <translation>Copia il codice degli scacchi</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/PageWords.cpp" line="+105"/>
        <source>Unable to find the CHESS-CODE in the %1.

Please COPY the CHESS-CODE into the Clipboard and press OK.</source>
        <translation>CHESS-CODE non trovato negli %1.

COPIA il CHESS-CODE negli Appunti e premi OK.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmChess</name>
    <message>
        <location filename="../ui/frmChess.cpp" line="+41"/>
        <location filename="../ui/main.cpp" line="+15"/>
        <location filename="../game/PageWords.cpp" line="-122"/>
        <source>Chess</source>
        <translation>Scacchi</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+45"/>
        <location line="+144"/>
        <location filename="../game/PageWords.cpp" line="+89"/>
        <source>In Check</source>
        <translation>Scacco</translation>
    </message>
    <message>
        <location line="-188"/>
        <location filename="../game/PageWords.cpp" line="-85"/>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+1"/>
        <source>&amp;Send Move</source>
        <translation>&amp;Invia mossa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game...</source>
        <translation>&amp;Partita...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="-2"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About...</source>
        <translation>In&amp;fo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Type a move</source>
        <translation>Scrivi mossa</translation>
    </message>
    <message>
        <location line="+115"/>
        <location filename="../game/PageWords.cpp" line="+124"/>
        <source>The CHESS-CODE on the Clipboard is incomplete or damaged.

Please copy the whole CHESS-CODE from the e-mail again.</source>
        <translation>Il CHESS-CODE negli Appunti è incompleto o danneggiato.

Copia di nuovo l&apos;intero CHESS-CODE dall&apos;e-mail.</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+148"/>
        <location filename="../game/PageWords.cpp" line="-39"/>
        <source>Mate</source>
        <translation>Matto</translation>
    </message>
    <message>
        <location line="-148"/>
        <location line="+153"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Stalemate</source>
        <translation>Stallo</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>BLACK to move.
Use the mouse to drag and drop your move.</source>
        <translation>Muove il NERO.
Trascina un pezzo con il mouse per muovere.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>WHITE to move.
Use the mouse to drag and drop your move.</source>
        <translation>Muove il BIANCO.
Trascina un pezzo con il mouse per muovere.</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../game/PageWords.cpp" line="+56"/>
        <source>Your CHESS-CODE has been copied to the %1.

Now PASTE this CHESS-CODE into an email message and send it.</source>
        <translation>Il tuo CHESS-CODE è stato copiato negli %1.

Ora INCOLLA questo CHESS-CODE in un messaggio e-mail e invialo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New &amp;E-mail</source>
        <translation>Nuova &amp;e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+15"/>
        <source>New E-mail</source>
        <translation>Nuova e-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The mail program could not be started.

Your CHESS-CODE is still on the %1: paste it into an e-mail.</source>
        <translation>Impossibile avviare il programma di posta.

Il tuo CHESS-CODE è ancora negli %1: incollalo in un&apos;e-mail.</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Inizia una nuova partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+5"/>
        <source>Start a New Game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The picture file &quot;%1&quot; is missing or cannot be read.

It was looked for in the folder:
%2

A plain square is shown in its place.</source>
        <translation>Il file immagine «%1» manca o non è leggibile.

È stato cercato nella cartella:
%2

Al suo posto viene mostrata una casa vuota.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmGame</name>
    <message>
        <location filename="../ui/frmGame.cpp" line="+93"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Copy &amp;FEN</source>
        <translation>Copia &amp;FEN</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>&amp;Resign...</source>
        <translation>&amp;Abbandona...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent Resi&amp;gned...</source>
        <translation>L&apos;avversario ha a&amp;bbandonato...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Dr&amp;aw Agreed...</source>
        <translation>&amp;Patta concordata...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>R&amp;eopen Game</source>
        <translation>&amp;Riapri partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Claim Draw...</source>
        <translation>Re&amp;clama la patta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>De&amp;lete Game...</source>
        <translation>&amp;Elimina partita...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep a record of my games on this computer</source>
        <translation>&amp;Tieni un registro delle mie partite su questo computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record...</source>
        <translation>Elimina re&amp;gistro...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>Show the board from the &amp;side to move</source>
        <translation>Mostra la scacc&amp;hiera dal lato di chi deve muovere</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/DeskWords.cpp" line="-12"/>
        <source>Save &amp;PGN...</source>
        <translation>&amp;Salva PGN...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>C&amp;opy PGN</source>
        <translation>C&amp;opia PGN</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+15"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+417"/>
        <location line="+77"/>
        <location line="+8"/>
        <location line="+24"/>
        <location filename="../game/DeskWords.cpp" line="-27"/>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <location line="-513"/>
        <source>Moves of the game</source>
        <translation>Mosse della partita</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../game/DeskWords.cpp" line="+10"/>
        <source>Mo&amp;ves</source>
        <translation>&amp;Mosse</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Replay board</source>
        <translation>Scacchiera di revisione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+11"/>
        <source>Opponen&amp;t</source>
        <translation>A&amp;vversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent&apos;s e-&amp;mail</source>
        <translation>E-mai&amp;l dell&apos;avversario</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Notes (only you see them)</source>
        <translation>&amp;Note (le vedi solo tu)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="-3"/>
        <source>&amp;Your name</source>
        <translation>&amp;Il tuo nome</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>No game is recorded now. The games recorded so far are kept in the file %1.</source>
        <translation>Ora non viene registrata nessuna partita. Le partite registrate finora sono conservate nel file %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvalen then shows the move your opponent made, checks that each code follows from the one you sent and keeps every game for PGN, in the file %1.</source>
        <translation>Corvalen mostra allora la mossa dell&apos;avversario, controlla che ogni codice derivi da quello che hai inviato e conserva ogni partita per il PGN, nel file %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Game started %1. Copy PGN puts the game on the Clipboard in place of the CHESS-CODE.</source>
        <translation>Partita iniziata il %1. Copia PGN mette la partita negli Appunti al posto del CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No recorded game belongs to this position.</source>
        <translation>Nessuna partita registrata corrisponde a questa posizione.</translation>
    </message>
    <message>
        <location line="+193"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>not one plain address</source>
        <translation>non è un unico indirizzo semplice</translation>
    </message>
    <message>
        <location line="+31"/>
        <location filename="../game/DeskWords.cpp" line="+22"/>
        <source>the game started %1</source>
        <translation>la partita iniziata il %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>the game against %1 started %2</source>
        <translation>la partita contro %1 iniziata il %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>the game started %1 (%2)</source>
        <translation>la partita iniziata il %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>the game against %1 started %2 (%3)</source>
        <translation>la partita contro %1 iniziata il %2 (%3)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>Resign %1?</source>
        <translation>Abbandonare %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Resign</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Your opponent resigned %1?</source>
        <translation>L&apos;avversario ha abbandonato %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Opponent Resigned</source>
        <translation>L&apos;avversario ha abbandonato</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>You and your opponent agreed a draw in %1?</source>
        <translation>Tu e l&apos;avversario avete concordato la patta per %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Draw Agreed</source>
        <translation>Patta concordata</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../game/DeskWords.cpp" line="+7"/>
        <source>Claim a draw by threefold repetition in %1?</source>
        <translation>Per %1, reclamare la patta per triplice ripetizione?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Claim a draw by 50 moves without a capture or pawn move in %1?</source>
        <translation>Per %1, reclamare la patta per 50 mosse senza catture né mosse di pedone?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Claim Draw</source>
        <translation>Reclama la patta</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>Delete %1?

Its moves and notes are removed; your other games stay as they are.</source>
        <translation>Eliminare %1?

Le sue mosse e note vengono rimosse; le tue altre partite restano come sono.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Delete Game</source>
        <translation>Elimina partita</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete the record of all your games in %1?

This cannot be undone.</source>
        <translation>Eliminare il registro di tutte le tue partite in %1?

L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save PGN</source>
        <translation>Salva PGN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PGN files (*.pgn);;All files (*)</source>
        <translation>File PGN (*.pgn);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The PGN could not be saved in %1:
%2</source>
        <translation>Impossibile salvare il PGN in %1:
%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>The PGN of %1 is on the clipboard in place of the CHESS-CODE.</source>
        <translation>Il PGN per %1 è negli Appunti al posto del CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>FEN of the start copied to the clipboard: %1</source>
        <translation>FEN della posizione iniziale copiata negli Appunti: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>FEN after %1 copied to the clipboard: %2</source>
        <translation>FEN dopo %1 copiata negli Appunti: %2</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <location filename="../game/PageWords.cpp" line="-51"/>
        <source>Select the piece you would like:</source>
        <translation>Scegli il pezzo desiderato:</translation>
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
        <translation>Promozione del pedone</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation>Pezzi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+10"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation>Le frecce o R, N, B e Q (torre, cavallo, alfiere, donna) scelgono un pezzo; Invio lo conferma.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>, chosen</source>
        <translation>, scelta attuale</translation>
    </message>
</context>
</TS>
