<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/TurnWords.cpp" line="+18"/>
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
        <location line="+108"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Le registre n&apos;a pas pu être écrit&#xa0;: %1

Ce tour se poursuit sans le registre.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Ce tour se poursuit sans le registre.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Vous ne pouvez pas jouer les pièces de votre adversaire.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Vous avez déjà envoyé %1. Reprendre ce coup&#xa0;? Si votre adversaire a reçu cet e-mail, cette partie n&apos;y correspondra plus.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Send %1</source>
        <translation>Envoyer %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You have sent %1 from this position already. Send %2 instead? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Vous avez déjà envoyé %1 depuis cette position. Envoyer %2 à la place&#xa0;? Si votre adversaire a reçu cet e-mail, cette partie n&apos;y correspondra plus.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Échec et mat&#xa0;: vous gagnez. « Envoyer le coup » en informe l&apos;adversaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Pat&#xa0;: partie nulle. « Envoyer le coup » en informe l&apos;adversaire.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>« Envoyer le coup » copie votre coup&#xa0;; « Reprendre » l&apos;annule.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Cette partie s&apos;est terminée le %1 (%2)&#xa0;; rien n&apos;est enregistré</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Position impossible en partie (%1)&#xa0;; non enregistrée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Position impossible en partie (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You answered this position on %1 with %2.</source>
        <translation>Vous avez répondu à cette position le %1 par %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You answered this position in game %1 on %2 with %3; a move sent now starts a new game.</source>
        <translation>Vous avez répondu à cette position dans la partie %1 le %2 par %3&#xa0;; un coup envoyé maintenant commence une nouvelle partie.</translation>
    </message>
    <message>
        <location line="+6"/>
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
        <location line="+81"/>
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
    <name>Page</name>
    <message>
        <location filename="../game/PageWords.cpp" line="+13"/>
        <source>Paste your opponent&apos;s CHESS-CODE (Ctrl+V)</source>
        <translation>Collez le CHESS-CODE de votre adversaire (Ctrl+V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Échiquier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep a record of games</source>
        <translation>Garder une trace des parties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No game is recorded yet.</source>
        <translation>Aucune partie n&apos;est encore enregistrée.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../game/RecordWords.cpp" line="+136"/>
        <source>the game record %1: %2</source>
        <translation>le registre des parties %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be created: %1</source>
        <translation>ne peut pas être créé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no games recorded yet</source>
        <translation>aucune partie enregistrée pour l&apos;instant</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot delete %1: %2</source>
        <translation>impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre roi a bougé dans cette partie (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre tour a bougé dans cette partie (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Vous ne pouvez pas roquer de ce côté&#xa0;: votre tour a été prise dans cette partie (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no game %1</source>
        <translation>pas de partie %1</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>C&apos;est la position envoyée dans la partie %1 le %2 (%3).</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>C&apos;est la position envoyée dans la partie %1 le %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Votre adversaire n&apos;a pas encore répondu par un coup.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>C&apos;est une position antérieure de la partie %1 (après %2)&#xa0;; la partie en est à %3.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>C&apos;est une position antérieure de la partie %1 (la position de départ)&#xa0;; la partie en est à %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Cette position ne découle pas d&apos;un coup légal de la position que vous avez envoyée dans la partie commencée le %1 (dernier coup %2). Elle est conservée comme nouvelle partie.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Cette position ne découle pas d&apos;un coup légal de la position que vous avez envoyée dans la partie commencée le %1. Elle est conservée comme nouvelle partie.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game started from this position</source>
        <translation>Partie commencée à partir de cette position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Ne suit pas votre dernier coup&#xa0;: gardée comme nouvelle partie</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Your opponent played %1</source>
        <translation>Votre adversaire a joué %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>failed</source>
        <translation>l&apos;opération a échoué</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>écrit par une version plus récente de Corvalen (version du registre %1)&#xa0;; laissé tel quel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>pas un registre de parties Corvalen&#xa0;; laissé tel quel</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../game/RulesWords.cpp" line="+11"/>
        <source>a pawn on the last row</source>
        <translation>un pion sur la dernière rangée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a pawn on the first row</source>
        <translation>un pion sur la première rangée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a side without exactly one king</source>
        <translation>un camp sans exactement un roi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the side that just moved left in check</source>
        <translation>le camp qui vient de jouer reste en échec</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Pas un coup&#xa0;: %1 (lettres anglaises des pièces&#xa0;: K Q R B N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Aucun coup légal ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 or %2?</source>
        <translation>%1 ou %2&#xa0;?</translation>
    </message>
</context>
<context>
    <name>corvalen::BoardCell</name>
    <message>
        <location filename="../ui/BoardCell.cpp" line="+53"/>
        <location filename="../game/PageWords.cpp" line="+40"/>
        <source>%1, white pawn</source>
        <translation>%1, pion blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white rook</source>
        <translation>%1, tour blanche</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white knight</source>
        <translation>%1, cavalier blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white bishop</source>
        <translation>%1, fou blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white queen</source>
        <translation>%1, dame blanche</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white king</source>
        <translation>%1, roi blanc</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>%1, black pawn</source>
        <translation>%1, pion noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black rook</source>
        <translation>%1, tour noire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black knight</source>
        <translation>%1, cavalier noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black bishop</source>
        <translation>%1, fou noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black queen</source>
        <translation>%1, dame noire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black king</source>
        <translation>%1, roi noir</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/PageWords.cpp" line="+94"/>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, in check</source>
        <translation>%1, en échec</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, last move</source>
        <translation>%1, dernier coup</translation>
    </message>
</context>
<context>
    <name>corvalen::GameTableModel</name>
    <message>
        <location filename="../ui/GameTableModel.cpp" line="+40"/>
        <location filename="../game/DeskWords.cpp" line="+19"/>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../game/DeskWords.cpp" line="+32"/>
        <source>White</source>
        <translation>Blancs</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Black</source>
        <translation>Noirs</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/DeskWords.cpp" line="-8"/>
        <source>Yours</source>
        <translation>Vous</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Theirs</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../game/DeskWords.cpp" line="-33"/>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Last move</source>
        <translation>Dernier coup</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Started</source>
        <translation>Commencée</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Turn</source>
        <translation>Trait</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Result</source>
        <translation>Résultat</translation>
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
        <translation>tour</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>knight</source>
        <translation>cavalier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>bishop</source>
        <translation>fou</translation>
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
        <translation>roi</translation>
    </message>
</context>
<context>
    <name>corvalen::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+61"/>
        <source>Chess</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About Chess</source>
        <translation>À propos d&apos;Échecs</translation>
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
        <translation>&amp;Système...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Chess by e-mail for two players, one turn per run. Copy your opponent&apos;s code, make one move and mail back the new code.</source>
        <translation>Échecs par e-mail à deux joueurs, un tour par lancement. Copiez le code de votre adversaire, jouez un coup et renvoyez le nouveau code.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Free software under the GNU General Public License, version 3 or later (see the file LICENSE). It comes with no warranty.</source>
        <translation>Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure (voir le fichier LICENSE). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Corvalen documentation</source>
        <translation>Guide de Corvalen (en anglais)</translation>
    </message>
</context>
<context>
    <name>corvalen::frmBoardCode</name>
    <message>
        <location filename="../ui/frmBoardCode.cpp" line="+15"/>
        <source>Windows Clipboard</source>
        <translation>presse-papiers Windows</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+93"/>
        <source>Clipboard</source>
        <translation>presse-papiers</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouv. partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="-100"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the Chess Code</source>
        <translation>Copiez le code d&apos;échecs</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/PageWords.cpp" line="+105"/>
        <source>Unable to find the CHESS-CODE in the %1.

Please COPY the CHESS-CODE into the Clipboard and press OK.</source>
        <translation>CHESS-CODE introuvable dans le %1.

Veuillez COPIER le CHESS-CODE dans le presse-papiers et cliquer sur OK.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmChess</name>
    <message>
        <location filename="../ui/frmChess.cpp" line="+41"/>
        <location filename="../ui/main.cpp" line="+15"/>
        <location filename="../game/PageWords.cpp" line="-122"/>
        <source>Chess</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+45"/>
        <location line="+144"/>
        <location filename="../game/PageWords.cpp" line="+89"/>
        <source>In Check</source>
        <translation>Échec</translation>
    </message>
    <message>
        <location line="-188"/>
        <location filename="../game/PageWords.cpp" line="-85"/>
        <source>&amp;Undo Move</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+1"/>
        <source>&amp;Send Move</source>
        <translation>&amp;Envoyer le coup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game...</source>
        <translation>&amp;Partie...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="-2"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About...</source>
        <translation>À pr&amp;opos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Type a move</source>
        <translation>Votre coup</translation>
    </message>
    <message>
        <location line="+115"/>
        <location filename="../game/PageWords.cpp" line="+124"/>
        <source>The CHESS-CODE on the Clipboard is incomplete or damaged.

Please copy the whole CHESS-CODE from the e-mail again.</source>
        <translation>Le CHESS-CODE du presse-papiers est incomplet ou endommagé.

Veuillez copier à nouveau le CHESS-CODE entier depuis l&apos;e-mail.</translation>
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
        <translation>Trait aux NOIRS.
Glissez une pièce avec la souris pour jouer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>WHITE to move.
Use the mouse to drag and drop your move.</source>
        <translation>Trait aux BLANCS.
Glissez une pièce avec la souris pour jouer.</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../game/PageWords.cpp" line="+56"/>
        <source>Your CHESS-CODE has been copied to the %1.

Now PASTE this CHESS-CODE into an email message and send it.</source>
        <translation>Votre CHESS-CODE a été copié dans le %1.

COLLEZ maintenant ce CHESS-CODE dans un e-mail et envoyez-le.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New &amp;E-mail</source>
        <translation>Nouvel &amp;e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+15"/>
        <source>New E-mail</source>
        <translation>Nouvel e-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The mail program could not be started.

Your CHESS-CODE is still on the %1: paste it into an e-mail.</source>
        <translation>Le programme de messagerie n&apos;a pas pu être lancé.

Votre CHESS-CODE est toujours dans le %1&#xa0;: collez-le dans un e-mail.</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Commencer une nouvelle partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+5"/>
        <source>Start a New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The picture file &quot;%1&quot; is missing or cannot be read.

It was looked for in the folder:
%2

A plain square is shown in its place.</source>
        <translation>Le fichier d&apos;image «&#xa0;%1&#xa0;» est manquant ou illisible.

Il a été cherché dans le dossier&#xa0;:
%2

Une case vide est affichée à sa place.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmGame</name>
    <message>
        <location filename="../ui/frmGame.cpp" line="+93"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Copy &amp;FEN</source>
        <translation>Copier la &amp;FEN</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>&amp;Resign...</source>
        <translation>A&amp;bandonner...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent Resi&amp;gned...</source>
        <translation>L&apos;adversaire a aban&amp;donné...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Dr&amp;aw Agreed...</source>
        <translation>Nu&amp;lle convenue...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>R&amp;eopen Game</source>
        <translation>Ro&amp;uvrir la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Claim Draw...</source>
        <translation>Récla&amp;mer la nulle...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>De&amp;lete Game...</source>
        <translation>&amp;Supprimer la partie...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep a record of my games on this computer</source>
        <translation>&amp;Tenir un registre de mes parties sur cet ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record...</source>
        <translation>Supprimer le &amp;registre...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>Show the board from the &amp;side to move</source>
        <translation>Afficher l&apos;échiquier du côté qui a le tra&amp;it</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/DeskWords.cpp" line="-12"/>
        <source>Save &amp;PGN...</source>
        <translation>Enregistrer le &amp;PGN...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>C&amp;opy PGN</source>
        <translation>C&amp;opier le PGN</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+15"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+417"/>
        <location line="+77"/>
        <location line="+8"/>
        <location line="+24"/>
        <location filename="../game/DeskWords.cpp" line="-27"/>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="-513"/>
        <source>Moves of the game</source>
        <translation>Coups de la partie</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../game/DeskWords.cpp" line="+10"/>
        <source>Mo&amp;ves</source>
        <translation>&amp;Coups</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Replay board</source>
        <translation>Échiquier de relecture</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+11"/>
        <source>Opponen&amp;t</source>
        <translation>&amp;Adversaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent&apos;s e-&amp;mail</source>
        <translation>&amp;E-mail de l&apos;adversaire</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Notes (only you see them)</source>
        <translation>&amp;Notes (vous seul les voyez)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="-3"/>
        <source>&amp;Your name</source>
        <translation>&amp;Votre nom</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>No game is recorded now. The games recorded so far are kept in the file %1.</source>
        <translation>Aucune partie n&apos;est enregistrée pour l&apos;instant. Les parties déjà enregistrées sont conservées dans le fichier %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvalen then shows the move your opponent made, checks that each code follows from the one you sent and keeps every game for PGN, in the file %1.</source>
        <translation>Corvalen montre alors le coup joué par votre adversaire, vérifie que chaque code découle de celui que vous avez envoyé et conserve chaque partie pour le PGN, dans le fichier %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Game started %1. Copy PGN puts the game on the Clipboard in place of the CHESS-CODE.</source>
        <translation>Partie commencée le %1. Copier le PGN place la partie dans le presse-papiers à la place du CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No recorded game belongs to this position.</source>
        <translation>Aucune partie enregistrée ne correspond à cette position.</translation>
    </message>
    <message>
        <location line="+193"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>not one plain address</source>
        <translation>une seule adresse simple attendue</translation>
    </message>
    <message>
        <location line="+31"/>
        <location filename="../game/DeskWords.cpp" line="+22"/>
        <source>the game started %1</source>
        <translation>la partie commencée le %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>the game against %1 started %2</source>
        <translation>la partie contre %1 commencée le %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>the game started %1 (%2)</source>
        <translation>la partie commencée le %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>the game against %1 started %2 (%3)</source>
        <translation>la partie contre %1 commencée le %2 (%3)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>Resign %1?</source>
        <translation>Abandonner %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Resign</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Your opponent resigned %1?</source>
        <translation>Votre adversaire a abandonné %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Opponent Resigned</source>
        <translation>L&apos;adversaire a abandonné</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>You and your opponent agreed a draw in %1?</source>
        <translation>Vous et votre adversaire avez convenu de la nulle dans %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Draw Agreed</source>
        <translation>Nulle convenue</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../game/DeskWords.cpp" line="+7"/>
        <source>Claim a draw by threefold repetition in %1?</source>
        <translation>Réclamer la nulle par triple répétition dans %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Claim a draw by 50 moves without a capture or pawn move in %1?</source>
        <translation>Réclamer la nulle pour 50 coups sans prise ni coup de pion dans %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Claim Draw</source>
        <translation>Réclamer la nulle</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>Delete %1?

Its moves and notes are removed; your other games stay as they are.</source>
        <translation>Supprimer %1&#xa0;?

Ses coups et ses notes sont effacés&#xa0;; vos autres parties restent inchangées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Delete Game</source>
        <translation>Supprimer la partie</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete the record of all your games in %1?

This cannot be undone.</source>
        <translation>Supprimer le registre de toutes vos parties dans %1&#xa0;?

Cette action est irréversible.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save PGN</source>
        <translation>Enregistrer le PGN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PGN files (*.pgn);;All files (*)</source>
        <translation>Fichiers PGN (*.pgn);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The PGN could not be saved in %1:
%2</source>
        <translation>Le PGN n&apos;a pas pu être enregistré dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>The PGN of %1 is on the clipboard in place of the CHESS-CODE.</source>
        <translation>Le PGN de %1 est dans le presse-papiers à la place du CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>FEN of the start copied to the clipboard: %1</source>
        <translation>FEN de la position de départ copiée dans le presse-papiers&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>FEN after %1 copied to the clipboard: %2</source>
        <translation>FEN après %1 copiée dans le presse-papiers&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <location filename="../game/PageWords.cpp" line="-51"/>
        <source>Select the piece you would like:</source>
        <translation>Choisissez la pièce voulue&#xa0;:</translation>
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
        <translation>Promotion du pion</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+10"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation>Les flèches ou R, N, B et Q (tour, cavalier, fou, dame) choisissent une pièce&#xa0;; Entrée la valide.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>, chosen</source>
        <translation>, choix actuel</translation>
    </message>
</context>
</TS>
