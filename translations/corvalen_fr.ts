<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/Game.cpp" line="+45"/>
        <source>White resigned</source>
        <translation>les Blancs ont abandonné</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>les Noirs ont abandonné</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>nulle convenue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>nulle réclamée&#xa0;: triple répétition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>nulle réclamée&#xa0;: 50 coups sans prise ni coup de pion</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Nulle réclamée&#xa0;: triple répétition.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Nulle réclamée&#xa0;: 50 coups sans prise ni coup de pion.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Nulle réclamable&#xa0;: triple répétition.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Nulle réclamable&#xa0;: 50 coups sans prise ni coup de pion.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Le registre n&apos;a pas pu être écrit&#xa0;: %1

Ce tour se poursuit sans le registre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Ce tour se poursuit sans le registre.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Vous ne pouvez pas jouer les pièces de votre adversaire.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Vous avez déjà envoyé %1. Reprendre ce coup&#xa0;? Si votre adversaire a reçu cet e-mail, cette partie n&apos;y correspondra plus.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Échec et mat&#xa0;: vous gagnez. Envoyer en informe l&apos;adversaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Pat&#xa0;: partie nulle. Envoyer en informe l&apos;adversaire.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>Envoyer copie votre coup&#xa0;; Reprendre l&apos;annule.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Cette partie s&apos;est terminée le %1 (%2)&#xa0;; rien n&apos;est enregistré</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Position impossible en partie (%1)&#xa0;; non enregistrée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Position impossible en partie (%1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checkmate: Black wins.</source>
        <translation>Échec et mat&#xa0;: les Noirs gagnent.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Échec et mat&#xa0;: les Blancs gagnent.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Pat&#xa0;: partie nulle.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Nulle&#xa0;: aucun camp ne peut mater.</translation>
    </message>
    <message>
        <location line="+257"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Échecs&#xa0;: mon coup (je réclame la nulle&#xa0;: triple répétition)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Échecs&#xa0;: mon coup (je réclame la nulle&#xa0;: 50 coups sans prise ni coup de pion)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Échecs&#xa0;: mon coup</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Échecs&#xa0;: mon coup %1 (je réclame la nulle&#xa0;: triple répétition)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Échecs&#xa0;: mon coup %1 (je réclame la nulle&#xa0;: 50 coups sans prise ni coup de pion)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Échecs&#xa0;: mon coup %1</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../record/GameRecord.cpp" line="+50"/>
        <location line="+12"/>
        <source>the game record %1: %2</source>
        <translation>le registre des parties %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be created: %1</source>
        <translation>ne peut pas être créé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no games recorded yet</source>
        <translation>aucune partie enregistrée pour l&apos;instant</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>cannot delete %1: %2</source>
        <translation>impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../record/History.cpp" line="+70"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre roi a bougé dans cette partie (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre tour a bougé dans cette partie (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre tour a été prise dans cette partie (%1).</translation>
    </message>
    <message>
        <location filename="../record/Reading.cpp" line="+27"/>
        <source>no game %1</source>
        <translation>pas de partie %1</translation>
    </message>
    <message>
        <location filename="../record/Recognition.cpp" line="+149"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>C&apos;est la position envoyée dans la partie %1 le %2 (%3).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>C&apos;est la position envoyée dans la partie %1 le %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Votre adversaire n&apos;a pas encore répondu par un coup.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>C&apos;est une position antérieure de la partie %1 (après %2)&#xa0;; la partie en est à %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>C&apos;est une position antérieure de la partie %1 (la position de départ)&#xa0;; la partie en est à %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Cette position ne découle pas d&apos;un coup légal de la position que vous avez envoyée dans la partie commencée le %1 (dernier coup %2). Elle est conservée comme nouvelle partie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Cette position ne découle pas d&apos;un coup légal de la position que vous avez envoyée dans la partie commencée le %1. Elle est conservée comme nouvelle partie.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game started from this position</source>
        <translation>Partie commencée à partir de cette position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Ne suit pas votre dernier coup&#xa0;: gardée comme nouvelle partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your opponent played %1</source>
        <translation>Votre adversaire a joué %1</translation>
    </message>
    <message>
        <location filename="../record/RecordPaths.cpp" line="+56"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../record/Sqlite.cpp" line="+165"/>
        <source>not committed</source>
        <translation>non validé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>failed</source>
        <translation>l&apos;opération a échoué</translation>
    </message>
    <message>
        <location filename="../record/Store.cpp" line="+131"/>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>écrit par une version plus récente de Corvalen (version du registre %1)&#xa0;; laissé tel quel</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>pas un registre de parties Corvalen&#xa0;; laissé tel quel</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../rules/GameStatus.cpp" line="+52"/>
        <source>a pawn on the last row</source>
        <translation>un pion sur la dernière rangée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pawn on the first row</source>
        <translation>un pion sur la première rangée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a side without exactly one king</source>
        <translation>un camp sans exactement un roi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the side that just moved left in check</source>
        <translation>le camp qui vient de jouer reste en échec</translation>
    </message>
    <message>
        <location filename="../rules/TypedMove.cpp" line="+149"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Pas un coup&#xa0;: %1 (lettres anglaises des pièces&#xa0;: K Q R B N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Aucun coup légal ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 or %2?</source>
        <translation>%1 ou %2&#xa0;?</translation>
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
