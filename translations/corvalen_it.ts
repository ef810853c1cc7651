<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/Game.cpp" line="+45"/>
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
        <translation>patta richiesta: triplice ripetizione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>patta richiesta: 50 mosse senza catture né mosse di pedone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Patta richiesta: triplice ripetizione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Patta richiesta: 50 mosse senza catture né mosse di pedone.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Si può chiedere la patta: triplice ripetizione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Si può chiedere la patta: 50 mosse senza catture né mosse di pedone.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Impossibile scrivere il registro: %1

Questo turno prosegue senza il registro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Questo turno prosegue senza il registro.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Non puoi muovere i pezzi dell&apos;avversario.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Hai già inviato %1. Ritirarla? Se l&apos;avversario ha ricevuto quell&apos;e-mail, questa partita non corrisponderà più.</translation>
    </message>
    <message>
        <location line="+72"/>
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
        <location line="+19"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Questa partita è finita il %1 (%2); non viene registrato nulla</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Posizione impossibile in una partita (%1); non viene registrata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Posizione impossibile in una partita (%1).</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location line="+257"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Scacchi: la mia mossa (chiedo la patta: triplice ripetizione)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Scacchi: la mia mossa (chiedo la patta: 50 mosse senza catture né mosse di pedone)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Scacchi: la mia mossa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Scacchi: la mia mossa %1 (chiedo la patta: triplice ripetizione)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Scacchi: la mia mossa %1 (chiedo la patta: 50 mosse senza catture né mosse di pedone)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Scacchi: la mia mossa %1</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../record/GameRecord.cpp" line="+50"/>
        <location line="+12"/>
        <source>the game record %1: %2</source>
        <translation>il registro delle partite %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be created: %1</source>
        <translation>non può essere creato: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no games recorded yet</source>
        <translation>nessuna partita ancora registrata</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>cannot delete %1: %2</source>
        <translation>impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <location filename="../record/History.cpp" line="+70"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: il tuo re si è mosso in questa partita (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: la tua torre si è mossa in questa partita (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Non puoi arroccare da questo lato: la tua torre è stata catturata in questa partita (%1).</translation>
    </message>
    <message>
        <location filename="../record/Reading.cpp" line="+27"/>
        <source>no game %1</source>
        <translation>nessuna partita %1</translation>
    </message>
    <message>
        <location filename="../record/Recognition.cpp" line="+149"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>È la posizione che hai inviato nella partita %1 il %2 (%3).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>È la posizione che hai inviato nella partita %1 il %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>L&apos;avversario non ha ancora risposto con una mossa.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>È una posizione precedente della partita %1 (dopo %2); la partita è ora a %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>È una posizione precedente della partita %1 (la posizione iniziale); la partita è ora a %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Questa posizione non deriva con una mossa legale dalla posizione che hai inviato nella partita iniziata il %1 (ultima mossa %2). Viene tenuta come nuova partita.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Questa posizione non deriva con una mossa legale dalla posizione che hai inviato nella partita iniziata il %1. Viene tenuta come nuova partita.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game started from this position</source>
        <translation>Partita iniziata da questa posizione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Non segue la tua ultima mossa: tenuta come nuova partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent played %1</source>
        <translation>L&apos;avversario ha giocato %1</translation>
    </message>
    <message>
        <location filename="../record/RecordPaths.cpp" line="+56"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <location filename="../record/Sqlite.cpp" line="+165"/>
        <source>not committed</source>
        <translation>non confermato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <location filename="../record/Store.cpp" line="+131"/>
        <source>cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>scritto da una versione più recente di Corvalen (versione del registro %1); lasciato com&apos;è</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>non è un registro di partite di Corvalen; lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../rules/GameStatus.cpp" line="+52"/>
        <source>a pawn on the last row</source>
        <translation>un pedone sull&apos;ultima traversa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pawn on the first row</source>
        <translation>un pedone sulla prima traversa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a side without exactly one king</source>
        <translation>un colore senza esattamente un re</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the side that just moved left in check</source>
        <translation>il colore che ha appena mosso è rimasto sotto scacco</translation>
    </message>
    <message>
        <location filename="../rules/TypedMove.cpp" line="+149"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Non è una mossa: %1 (lettere inglesi dei pezzi: K Q R B N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Nessuna mossa legale corrisponde a «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 or %2?</source>
        <translation>%1 o %2?</translation>
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
