<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Game</name>
    <message>
        <location filename="../game/TurnWords.cpp" line="+18"/>
        <source>White resigned</source>
        <translation>белые сдались</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black resigned</source>
        <translation>чёрные сдались</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw agreed</source>
        <translation>ничья по соглашению</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: threefold repetition</source>
        <translation>ничья по требованию: троекратное повторение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>draw claimed: 50 moves without a capture or pawn move</source>
        <translation>ничья по требованию: 50 ходов без взятий и ходов пешками</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Draw claimed: threefold repetition.</source>
        <translation>Ничья по требованию: троекратное повторение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw claimed: 50 moves without a capture or pawn move.</source>
        <translation>Ничья по требованию: 50 ходов без взятий и ходов пешками.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Draw can be claimed: threefold repetition.</source>
        <translation>Можно требовать ничью: троекратное повторение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw can be claimed: 50 moves without a capture or pawn move.</source>
        <translation>Можно требовать ничью: 50 ходов без взятий и ходов пешками.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The record could not be written: %1

This turn goes on without the record.</source>
        <translation>Не удалось записать данные: %1

Этот ход будет сделан без записи.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>%1

This turn goes on without the record.</source>
        <translation>%1

Этот ход будет сделан без записи.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot move your opponents pieces.</source>
        <translation>Нельзя ходить фигурами соперника.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>You have sent %1 already. Take it back? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Вы уже отправили %1. Отменить этот ход? Если соперник получил то письмо, партия больше не будет ему соответствовать.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Send %1</source>
        <translation>Отправить %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>You have sent %1 from this position already. Send %2 instead? If your opponent has that e-mail, this game will no longer match it.</source>
        <translation>Из этой позиции вы уже отправили %1. Отправить вместо него %2? Если соперник получил то письмо, партия больше не будет ему соответствовать.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Checkmate: you win. Send Move tells your opponent.</source>
        <translation>Мат: вы выиграли. «Отправить ход» сообщит сопернику.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw. Send Move tells your opponent.</source>
        <translation>Пат: ничья. «Отправить ход» сообщит сопернику.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press Send Move to copy your move, or Undo Move.</source>
        <translation>«Отправить ход» скопирует ход; «Отменить» вернёт его.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This game ended on %1 (%2); nothing is recorded</source>
        <translation>Эта партия завершилась %1 (%2); ничего не записывается</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>This position cannot arise in a game (%1); it is not recorded.</source>
        <translation>Позиция невозможна в партии (%1); она не записывается.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This position cannot arise in a game (%1).</source>
        <translation>Позиция невозможна в партии (%1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>You answered this position on %1 with %2.</source>
        <translation>Вы ответили на эту позицию %1 ходом %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You answered this position in game %1 on %2 with %3; a move sent now starts a new game.</source>
        <translation>Вы ответили на эту позицию в партии %1 %2 ходом %3; ход, отправленный сейчас, начнёт новую партию.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Checkmate: Black wins.</source>
        <translation>Мат: чёрные выиграли.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checkmate: White wins.</source>
        <translation>Мат: белые выиграли.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stalemate: a draw.</source>
        <translation>Пат: ничья.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw: neither side can mate.</source>
        <translation>Ничья: ни одна сторона не может поставить мат.</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Chess: my move (I claim a draw: threefold repetition)</source>
        <translation>Шахматы: мой ход (требую ничью: троекратное повторение)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chess: my move (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Шахматы: мой ход (требую ничью: 50 ходов без взятий и ходов пешками)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move</source>
        <translation>Шахматы: мой ход</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chess: my move %1 (I claim a draw: threefold repetition)</source>
        <translation>Шахматы: мой ход %1 (требую ничью: троекратное повторение)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chess: my move %1 (I claim a draw: 50 moves without a capture or pawn move)</source>
        <translation>Шахматы: мой ход %1 (требую ничью: 50 ходов без взятий и ходов пешками)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chess: my move %1</source>
        <translation>Шахматы: мой ход %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <location filename="../game/PageWords.cpp" line="+13"/>
        <source>Paste your opponent&apos;s CHESS-CODE (Ctrl+V)</source>
        <translation>Вставьте CHESS-CODE соперника (Ctrl+V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Flip</source>
        <translation>Перевернуть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep a record of games</source>
        <translation>Вести запись партий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No game is recorded yet.</source>
        <translation>Пока не записано ни одной партии.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../game/RecordWords.cpp" line="+136"/>
        <source>the game record %1: %2</source>
        <translation>запись партий %1: %2</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be created: %1</source>
        <translation>не удаётся создать: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no games recorded yet</source>
        <translation>партий ещё не записано</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot delete %1: %2</source>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>You cannot castle on this side: your king moved in this game (%1).</source>
        <translation>Рокировка в эту сторону невозможна: ваш король уже ходил в этой партии (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook moved in this game (%1).</source>
        <translation>Рокировка в эту сторону невозможна: ваша ладья уже ходила в этой партии (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot castle on this side: your rook was taken in this game (%1).</source>
        <translation>Рокировка в эту сторону невозможна: ваша ладья была взята в этой партии (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no game %1</source>
        <translation>нет партии %1</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>This is the position you sent in game %1 on %2 (%3).</source>
        <translation>Это позиция, которую вы отправили %2 в партии %1 (%3).</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>This is the position you sent in game %1 on %2.</source>
        <translation>Это позиция, которую вы отправили %2 в партии %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your opponent has not replied with a move yet.</source>
        <translation>Соперник ещё не ответил ходом.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This is an earlier position of game %1 (after %2); the game now stands at %3.</source>
        <translation>Это более ранняя позиция партии %1 (после %2); сейчас партия дошла до %3.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This is an earlier position of game %1 (the position it started from); the game now stands at %2.</source>
        <translation>Это более ранняя позиция партии %1 (начальная позиция); сейчас партия дошла до %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1 (last move %2). It is kept as a new game.</source>
        <translation>Эта позиция не получается одним допустимым ходом из позиции, которую вы отправили в партии, начатой %1 (последний ход %2). Она сохранена как новая партия.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This position does not follow by one legal move from the position you sent in the game started %1. It is kept as a new game.</source>
        <translation>Эта позиция не получается одним допустимым ходом из позиции, которую вы отправили в партии, начатой %1. Она сохранена как новая партия.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>New game</source>
        <translation>Новая партия</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game started from this position</source>
        <translation>Партия начата с этой позиции</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Does not follow your last move: kept as a new game</source>
        <translation>Не следует из вашего хода: сохранена как новая партия</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Your opponent played %1</source>
        <translation>Соперник сыграл %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>cannot make the folder %1: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>failed</source>
        <translation>сбой</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written by a newer version of Corvalen (record version %1); left as it is</source>
        <translation>записано более новой версией Corvalen (версия записи %1); оставлено как есть</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Corvalen game record; left as it is</source>
        <translation>это не запись партий Corvalen; оставлено как есть</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../game/RulesWords.cpp" line="+11"/>
        <source>a pawn on the last row</source>
        <translation>пешка на последней горизонтали</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a pawn on the first row</source>
        <translation>пешка на первой горизонтали</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a side without exactly one king</source>
        <translation>у одной из сторон не ровно один король</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the side that just moved left in check</source>
        <translation>сторона, сделавшая ход, осталась под шахом</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not a move: %1 (piece letters: K Q R B N)</source>
        <translation>Это не ход: %1 (английские буквы фигур: K Q R B N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No legal move matches &quot;%1&quot;.</source>
        <translation>Нет допустимого хода, соответствующего «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 or %2?</source>
        <translation>%1 или %2?</translation>
    </message>
</context>
<context>
    <name>corvalen::BoardCell</name>
    <message>
        <location filename="../ui/BoardCell.cpp" line="+53"/>
        <location filename="../game/PageWords.cpp" line="+40"/>
        <source>%1, white pawn</source>
        <translation>%1, белая пешка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white rook</source>
        <translation>%1, белая ладья</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white knight</source>
        <translation>%1, белый конь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white bishop</source>
        <translation>%1, белый слон</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white queen</source>
        <translation>%1, белый ферзь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, white king</source>
        <translation>%1, белый король</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>%1, black pawn</source>
        <translation>%1, чёрная пешка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black rook</source>
        <translation>%1, чёрная ладья</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black knight</source>
        <translation>%1, чёрный конь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black bishop</source>
        <translation>%1, чёрный слон</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black queen</source>
        <translation>%1, чёрный ферзь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>%1, black king</source>
        <translation>%1, чёрный король</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/PageWords.cpp" line="+94"/>
        <source>%1, empty</source>
        <translation>%1, пусто</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, in check</source>
        <translation>%1, под шахом</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>%1, last move</source>
        <translation>%1, последний ход</translation>
    </message>
</context>
<context>
    <name>corvalen::GameTableModel</name>
    <message>
        <location filename="../ui/GameTableModel.cpp" line="+40"/>
        <location filename="../game/DeskWords.cpp" line="+19"/>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../game/DeskWords.cpp" line="+32"/>
        <source>White</source>
        <translation>Белые</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../game/DeskWords.cpp" line="-8"/>
        <source>Yours</source>
        <translation>Ваша</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Theirs</source>
        <translation>Соперника</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../game/DeskWords.cpp" line="-33"/>
        <source>Opponent</source>
        <translation>Соперник</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Last move</source>
        <translation>Последний ход</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Started</source>
        <translation>Начата</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Turn</source>
        <translation>Очередь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Since</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
</context>
<context>
    <name>corvalen::PieceImages</name>
    <message>
        <location filename="../ui/PieceImages.cpp" line="+40"/>
        <location filename="../game/PageWords.cpp" line="-135"/>
        <source>pawn</source>
        <translation>пешка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>rook</source>
        <translation>ладья</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>knight</source>
        <translation>конь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>bishop</source>
        <translation>слон</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>queen</source>
        <translation>ферзь</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>king</source>
        <translation>король</translation>
    </message>
</context>
<context>
    <name>corvalen::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+61"/>
        <source>Chess</source>
        <translation>Шахматы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About Chess</source>
        <translation>О программе «Шахматы»</translation>
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
        <translation>&amp;О системе...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Chess by e-mail for two players, one turn per run. Copy your opponent&apos;s code, make one move and mail back the new code.</source>
        <translation>Шахматы по переписке для двух игроков, один ход за запуск. Скопируйте код соперника, сделайте ход и отправьте новый код обратно.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Free software under the GNU General Public License, version 3 or later (see the file LICENSE). It comes with no warranty.</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней (см. файл LICENSE). Поставляется без каких-либо гарантий.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Corvalen documentation</source>
        <translation>Руководство Corvalen (англ.)</translation>
    </message>
</context>
<context>
    <name>corvalen::frmBoardCode</name>
    <message>
        <location filename="../ui/frmBoardCode.cpp" line="+15"/>
        <source>Windows Clipboard</source>
        <translation>буфер обмена Windows</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+93"/>
        <source>Clipboard</source>
        <translation>буфер обмена</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="-100"/>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the Chess Code</source>
        <translation>Скопируйте шахматный код</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/PageWords.cpp" line="+105"/>
        <source>Unable to find the CHESS-CODE in the %1.

Please COPY the CHESS-CODE into the Clipboard and press OK.</source>
        <translation>Сейчас %1 не содержит CHESS-CODE.

СКОПИРУЙТЕ CHESS-CODE в буфер обмена и нажмите OK.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmChess</name>
    <message>
        <location filename="../ui/frmChess.cpp" line="+41"/>
        <location filename="../ui/main.cpp" line="+15"/>
        <location filename="../game/PageWords.cpp" line="-122"/>
        <source>Chess</source>
        <translation>Шахматы</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+45"/>
        <location line="+144"/>
        <location filename="../game/PageWords.cpp" line="+89"/>
        <source>In Check</source>
        <translation>Шах</translation>
    </message>
    <message>
        <location line="-188"/>
        <location filename="../game/PageWords.cpp" line="-85"/>
        <source>&amp;Undo Move</source>
        <translation>О&amp;тменить</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+1"/>
        <source>&amp;Send Move</source>
        <translation>Отп&amp;равить ход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game...</source>
        <translation>&amp;Партия...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="-2"/>
        <source>&amp;New Game</source>
        <translation>&amp;Новая партия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../game/PageWords.cpp" line="+3"/>
        <source>Type a move</source>
        <translation>Ввод хода</translation>
    </message>
    <message>
        <location line="+115"/>
        <location filename="../game/PageWords.cpp" line="+124"/>
        <source>The CHESS-CODE on the Clipboard is incomplete or damaged.

Please copy the whole CHESS-CODE from the e-mail again.</source>
        <translation>CHESS-CODE в буфере обмена неполон или повреждён.

Скопируйте весь CHESS-CODE из письма ещё раз.</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+148"/>
        <location filename="../game/PageWords.cpp" line="-39"/>
        <source>Mate</source>
        <translation>Мат</translation>
    </message>
    <message>
        <location line="-148"/>
        <location line="+153"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>Stalemate</source>
        <translation>Пат</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../game/PageWords.cpp" line="-14"/>
        <source>BLACK to move.
Use the mouse to drag and drop your move.</source>
        <translation>Ход ЧЁРНЫХ.
Сделайте ход, перетащив фигуру мышью.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+2"/>
        <source>WHITE to move.
Use the mouse to drag and drop your move.</source>
        <translation>Ход БЕЛЫХ.
Сделайте ход, перетащив фигуру мышью.</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../game/PageWords.cpp" line="+56"/>
        <source>Your CHESS-CODE has been copied to the %1.

Now PASTE this CHESS-CODE into an email message and send it.</source>
        <translation>Ваш CHESS-CODE скопирован в %1.

Теперь ВСТАВЬТЕ этот CHESS-CODE в письмо и отправьте его.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New &amp;E-mail</source>
        <translation>Новое &amp;письмо</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/PageWords.cpp" line="+15"/>
        <source>New E-mail</source>
        <translation>Новое письмо</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The mail program could not be started.

Your CHESS-CODE is still on the %1: paste it into an e-mail.</source>
        <translation>Не удалось запустить почтовую программу.

Ваш CHESS-CODE по-прежнему скопирован в %1: вставьте его в письмо.</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Начать новую партию</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/PageWords.cpp" line="+5"/>
        <source>Start a New Game</source>
        <translation>Начать новую партию</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The picture file &quot;%1&quot; is missing or cannot be read.

It was looked for in the folder:
%2

A plain square is shown in its place.</source>
        <translation>Файл изображения «%1» отсутствует или не читается.

Его искали в папке:
%2

Вместо него показано пустое поле.</translation>
    </message>
</context>
<context>
    <name>corvalen::frmGame</name>
    <message>
        <location filename="../ui/frmGame.cpp" line="+93"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Copy &amp;FEN</source>
        <translation>Копировать &amp;FEN</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>&amp;Resign...</source>
        <translation>С&amp;даться...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent Resi&amp;gned...</source>
        <translation>Соперник сда&amp;лся...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Dr&amp;aw Agreed...</source>
        <translation>&amp;Ничья по соглашению...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>R&amp;eopen Game</source>
        <translation>&amp;Возобновить партию</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Claim Draw...</source>
        <translation>&amp;Потребовать ничью...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>De&amp;lete Game...</source>
        <translation>Удалить па&amp;ртию...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep a record of my games on this computer</source>
        <translation>Вести запись моих партий на этом &amp;компьютере</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record...</source>
        <translation>&amp;Удалить запись...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>Show the board from the &amp;side to move</source>
        <translation>Показывать доску со стороны того, &amp;чей ход</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../game/DeskWords.cpp" line="-12"/>
        <source>Save &amp;PGN...</source>
        <translation>Сохранить &amp;PGN...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>C&amp;opy PGN</source>
        <translation>К&amp;опировать PGN</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+15"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+417"/>
        <location line="+77"/>
        <location line="+8"/>
        <location line="+24"/>
        <location filename="../game/DeskWords.cpp" line="-27"/>
        <source>Game</source>
        <translation>Партия</translation>
    </message>
    <message>
        <location line="-513"/>
        <source>Moves of the game</source>
        <translation>Ходы партии</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="-1"/>
        <source>Games</source>
        <translation>Партии</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../game/DeskWords.cpp" line="+10"/>
        <source>Mo&amp;ves</source>
        <translation>&amp;Ходы</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Replay board</source>
        <translation>Доска для просмотра</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+11"/>
        <source>Opponen&amp;t</source>
        <translation>&amp;Соперник</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Opponent&apos;s e-&amp;mail</source>
        <translation>&amp;Эл. почта соперника</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>&amp;Notes (only you see them)</source>
        <translation>За&amp;метки (видны только вам)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/DeskWords.cpp" line="-3"/>
        <source>&amp;Your name</source>
        <translation>Ваше &amp;имя</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>No game is recorded now. The games recorded so far are kept in the file %1.</source>
        <translation>Сейчас партии не записываются. Записанные ранее партии хранятся в файле %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvalen then shows the move your opponent made, checks that each code follows from the one you sent and keeps every game for PGN, in the file %1.</source>
        <translation>Тогда Corvalen показывает ход соперника, проверяет, что каждый код следует из отправленного вами, и сохраняет каждую партию для PGN в файле %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Game started %1. Copy PGN puts the game on the Clipboard in place of the CHESS-CODE.</source>
        <translation>Партия начата %1. «Копировать PGN» помещает партию в буфер обмена вместо CHESS-CODE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No recorded game belongs to this position.</source>
        <translation>Этой позиции не соответствует ни одна записанная партия.</translation>
    </message>
    <message>
        <location line="+193"/>
        <location filename="../game/DeskWords.cpp" line="+6"/>
        <source>not one plain address</source>
        <translation>нужен один простой адрес</translation>
    </message>
    <message>
        <location line="+31"/>
        <location filename="../game/DeskWords.cpp" line="+22"/>
        <source>the game started %1</source>
        <translation>партию, начатую %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>the game against %1 started %2</source>
        <translation>партию с соперником %1, начатую %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>the game started %1 (%2)</source>
        <translation>партию, начатую %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>the game against %1 started %2 (%3)</source>
        <translation>партию с соперником %1, начатую %2 (%3)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>Resign %1?</source>
        <translation>Сдать %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+1"/>
        <source>Resign</source>
        <translation>Сдаться</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Your opponent resigned %1?</source>
        <translation>Соперник сдал %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Opponent Resigned</source>
        <translation>Соперник сдался</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>You and your opponent agreed a draw in %1?</source>
        <translation>Записать %1 как ничью по соглашению?</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Draw Agreed</source>
        <translation>Ничья по соглашению</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../game/DeskWords.cpp" line="+7"/>
        <source>Claim a draw by threefold repetition in %1?</source>
        <translation>Объявить %1 ничьей по правилу троекратного повторения?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>Claim a draw by 50 moves without a capture or pawn move in %1?</source>
        <translation>Объявить %1 ничьей по правилу 50 ходов (без взятий и ходов пешками)?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/DeskWords.cpp" line="+3"/>
        <source>Claim Draw</source>
        <translation>Потребовать ничью</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>Delete %1?

Its moves and notes are removed; your other games stay as they are.</source>
        <translation>Удалить %1?

Её ходы и заметки будут удалены; остальные ваши партии не изменятся.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../game/DeskWords.cpp" line="+4"/>
        <source>Delete Game</source>
        <translation>Удалить партию</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete the record of all your games in %1?

This cannot be undone.</source>
        <translation>Удалить запись всех ваших партий в %1?

Это действие нельзя отменить.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save PGN</source>
        <translation>Сохранить PGN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PGN files (*.pgn);;All files (*)</source>
        <translation>Файлы PGN (*.pgn);;Все файлы (*)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The PGN could not be saved in %1:
%2</source>
        <translation>Не удалось сохранить PGN в %1:
%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/DeskWords.cpp" line="+5"/>
        <source>The PGN of %1 is on the clipboard in place of the CHESS-CODE.</source>
        <translation>В буфере обмена вместо CHESS-CODE теперь PGN, содержащий %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../game/DeskWords.cpp" line="+8"/>
        <source>FEN of the start copied to the clipboard: %1</source>
        <translation>FEN начальной позиции скопирован в буфер обмена: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/DeskWords.cpp" line="+2"/>
        <source>FEN after %1 copied to the clipboard: %2</source>
        <translation>FEN после %1 скопирован в буфер обмена: %2</translation>
    </message>
</context>
<context>
    <name>corvalen::frmPawnChange</name>
    <message>
        <location filename="../ui/frmPawnChange.cpp" line="+48"/>
        <location filename="../game/PageWords.cpp" line="-51"/>
        <source>Select the piece you would like:</source>
        <translation>Выберите фигуру:</translation>
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
        <translation>Превращение пешки</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pieces</source>
        <translation>Фигуры</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/PageWords.cpp" line="+10"/>
        <source>The arrow keys or R, N, B and Q choose a piece; Enter takes it.</source>
        <translation>Стрелки или клавиши R, N, B и Q (ладья, конь, слон, ферзь) выбирают фигуру; Enter подтверждает выбор.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>, chosen</source>
        <translation>, текущий выбор</translation>
    </message>
</context>
</TS>
