// The interface texts of the schemes: every caption, hint, menu or list item and message that a
// scheme writes as a "…"_cp1251 literal, one line each (a multi-line item list gives one line per
// item). lupdate gathers them from here into morvane_en.ts, where their English is written; the
// window components look them up by their Russian as they show them.
//
// A new text of a scheme: add its line here, build, and write its English in morvane_en.ts.
// The templates of new rows are data written into files, not interface: they are never looked
// up, so their words ("коментарий", "секция", "параметр", "значение") stay Russian in every
// language, though the same words as column captions below are translated.
#pragma once

#include <QtGlobal>

inline constexpr const char* kSchemeTexts[] = {
    // The file panel; "О программе" is the About window's caption too.
    QT_TRANSLATE_NOOP("Morvane", "Удалить"),
    QT_TRANSLATE_NOOP("Morvane", "Удалить текущий файл из списка."),
    QT_TRANSLATE_NOOP("Morvane", "Загрузить"),
    QT_TRANSLATE_NOOP("Morvane", "Загрузить список."),
    QT_TRANSLATE_NOOP("Morvane", "Сохранить"),
    QT_TRANSLATE_NOOP("Morvane", "Сохранить список."),
    QT_TRANSLATE_NOOP("Morvane", "Очистить"),
    QT_TRANSLATE_NOOP("Morvane", "Очистить список."),
    QT_TRANSLATE_NOOP("Morvane", "Бросьте сюда нужные файлы."),
    QT_TRANSLATE_NOOP("Morvane", "Где будет подсвеченная строка при переходе из оглавления"),
    QT_TRANSLATE_NOOP("Morvane", "стандарт"),
    QT_TRANSLATE_NOOP("Morvane", "сверху"),
    QT_TRANSLATE_NOOP("Morvane", "в центре"),
    QT_TRANSLATE_NOOP("Morvane", "внизу"),
    QT_TRANSLATE_NOOP("Morvane", "Положение курсора"),
    QT_TRANSLATE_NOOP("Morvane", "Сохранить файл"),
    QT_TRANSLATE_NOOP("Morvane", "Записать изменения."),
    QT_TRANSLATE_NOOP("Morvane", "О программе"),
    QT_TRANSLATE_NOOP("Morvane", "Сохранить как..."),
    QT_TRANSLATE_NOOP("Morvane", "Строки как в файле"),
    QT_TRANSLATE_NOOP("Morvane", "Неизменённые строки записываются так, как были прочитаны"),

    // The tables panel: the columns of the main table and of the table of contents, and the
    // main table's menu.
    QT_TRANSLATE_NOOP("Morvane", "тип"),
    QT_TRANSLATE_NOOP("Morvane", "параметр"),
    QT_TRANSLATE_NOOP("Morvane", "значение"),
    QT_TRANSLATE_NOOP("Morvane", "коментарий"),
    QT_TRANSLATE_NOOP("Morvane", "индекс"),
    QT_TRANSLATE_NOOP("Morvane", "секция"),
    QT_TRANSLATE_NOOP("Morvane", "Добавить коментарий"),
    QT_TRANSLATE_NOOP("Morvane", "Добавить секцию"),
    QT_TRANSLATE_NOOP("Morvane", "Добавить параметр"),
    QT_TRANSLATE_NOOP("Morvane", "Удалить строку"),

    // The search panel.
    QT_TRANSLATE_NOOP("Morvane", "поиск работает только для строк с параметрами"),
    QT_TRANSLATE_NOOP("Morvane", "направление поиска от курсора"),
    QT_TRANSLATE_NOOP("Morvane", "Вверх"),
    QT_TRANSLATE_NOOP("Morvane", "Вниз"),
    QT_TRANSLATE_NOOP("Morvane", "Быстрый поиск"),
    QT_TRANSLATE_NOOP("Morvane", "вкл - поиск по первым набранным буквам,  выкл - поиск по нажатию кнопки"),
    QT_TRANSLATE_NOOP("Morvane", "Поиск"),
    QT_TRANSLATE_NOOP("Morvane", "Искать!!!"),
    QT_TRANSLATE_NOOP("Morvane", "По всей строке"),
    QT_TRANSLATE_NOOP("Morvane", "вкл - искать по все строке, выкл - искать с первого символа"),
    QT_TRANSLATE_NOOP("Morvane", "Ничего не найдено."),
    // The game's reading of the files: the row menu's items and the problem count's hint.
    QT_TRANSLATE_NOOP("Morvane", "Перейти к родителю\tF12"),
    QT_TRANSLATE_NOOP("Morvane", "Параметры секции\tF4"),
    QT_TRANSLATE_NOOP("Morvane", "F8 — следующая проблема, Shift+F8 — предыдущая"),
};
