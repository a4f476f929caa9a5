<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Morvane</name>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Удалить текущий файл из списка.</source>
        <translation>Remove the current file from the list.</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Загрузить список.</source>
        <translation>Load the list.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить список.</source>
        <translation>Save the list.</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Очистить список.</source>
        <translation>Clear the list.</translation>
    </message>
    <message>
        <source>Бросьте сюда нужные файлы.</source>
        <translation>Drop the files you need here.</translation>
    </message>
    <message>
        <source>Где будет подсвеченная строка при переходе из оглавления</source>
        <translation>Where the highlighted line is placed on a jump from the table of contents</translation>
    </message>
    <message>
        <source>стандарт</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>сверху</source>
        <translation>top</translation>
    </message>
    <message>
        <source>в центре</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>внизу</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>Положение курсора</source>
        <translation>Cursor position</translation>
    </message>
    <message>
        <source>Сохранить файл</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Записать изменения.</source>
        <translation>Write the changes.</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Строки как в файле</source>
        <translation>Lines as in file</translation>
    </message>
    <message>
        <source>Неизменённые строки записываются так, как были прочитаны</source>
        <translation>Unchanged lines are written as they were read</translation>
    </message>
    <message>
        <source>тип</source>
        <translation>type</translation>
    </message>
    <message>
        <source>параметр</source>
        <translation>parameter</translation>
    </message>
    <message>
        <source>значение</source>
        <translation>value</translation>
    </message>
    <message>
        <source>коментарий</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>индекс</source>
        <translation>index</translation>
    </message>
    <message>
        <source>секция</source>
        <translation>section</translation>
    </message>
    <message>
        <source>Добавить коментарий</source>
        <translation>Add comment</translation>
    </message>
    <message>
        <source>Добавить секцию</source>
        <translation>Add section</translation>
    </message>
    <message>
        <source>Добавить параметр</source>
        <translation>Add parameter</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete line</translation>
    </message>
    <message>
        <source>поиск работает только для строк с параметрами</source>
        <translation>search works only on lines with parameters</translation>
    </message>
    <message>
        <source>направление поиска от курсора</source>
        <translation>direction of the search from the cursor</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Быстрый поиск</source>
        <translation>Quick search</translation>
    </message>
    <message>
        <source>вкл - поиск по первым набранным буквам,  выкл - поиск по нажатию кнопки</source>
        <translation>on - search by the first letters typed,  off - search on a click of the button</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Искать!!!</source>
        <translation>Search!!!</translation>
    </message>
    <message>
        <source>По всей строке</source>
        <translation>Whole line</translation>
    </message>
    <message>
        <source>вкл - искать по все строке, выкл - искать с первого символа</source>
        <translation>on - search the whole line, off - search from the first character</translation>
    </message>
    <message>
        <source>Ничего не найдено.</source>
        <translation>Nothing found.</translation>
    </message>
    <message>
        <source>не указано имя файла</source>
        <translation>no file name is given</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>the file is not found</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>access is denied</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>файл превысил допустимый размер</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>there is not enough memory</translation>
    </message>
    <message>
        <source>слишком много символических ссылок</source>
        <translation>there are too many symbolic links</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>an input/output error</translation>
    </message>
    <message>
        <source>Сохранить изменения в файле «%1»?</source>
        <translation>Save the changes to the file “%1”?</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2.</source>
        <translation>Could not open the file “%1”: %2.</translation>
    </message>
    <message>
        <source>В файле «%1» есть нулевой байт (позиция %2): текст после него не показан. Такой файл нельзя сохранить, иначе эта часть пропадёт.</source>
        <translation>The file “%1” holds a zero byte (at position %2): the text after it is not shown. Such a file cannot be saved, or that part would be lost.</translation>
    </message>
    <message>
        <source>Нет открытого файла: сохранять нечего.</source>
        <translation>No file is open: there is nothing to save.</translation>
    </message>
    <message>
        <source>Файл «%1» не сохранён: в нём есть нулевой байт, и текст после него пропал бы.</source>
        <translation>The file “%1” is not saved: it holds a zero byte, and the text after it would be lost.</translation>
    </message>
    <message>
        <source>Файла «%1» больше нет на диске. Записать его заново?</source>
        <translation>The file “%1” is no longer on the disk. Write it again?</translation>
    </message>
    <message>
        <source>Файл «%1» изменён на диске другой программой. Записать поверх него?</source>
        <translation>The file “%1” was changed on the disk by another program. Write over it?</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»: %2. Изменения остались в таблице.</source>
        <translation>Could not save the file “%1”: %2. The changes are still in the table.</translation>
    </message>
    <message>
        <source>Символ «%1» нельзя записать в cp1251.</source>
        <translation>The character “%1” cannot be written in cp1251.</translation>
    </message>
    <message>
        <source>Кодировка: %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>UTF-8 с BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <source>Имя файла «%1» нельзя записать в cp1251. Выберите другое имя.</source>
        <translation>The file name “%1” cannot be written in cp1251. Choose another name.</translation>
    </message>
    <message>
        <source>Файл «%1» есть в списке. Записать поверх него?</source>
        <translation>The file “%1” is in the list. Write over it?</translation>
    </message>
    <message>
        <source>Файл «%1» уже существует. Записать поверх него?</source>
        <translation>The file “%1” already exists. Write over it?</translation>
    </message>
    <message>
        <source>Файлы LTX (*.ltx)</source>
        <translation>LTX files (*.ltx)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файлов:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Перейти к родителю	F12</source>
        <translation>Go to parent	F12</translation>
    </message>
    <message>
        <source>Параметры секции	F4</source>
        <translation>Section parameters	F4</translation>
    </message>
    <message>
        <source>F8 — следующая проблема, Shift+F8 — предыдущая</source>
        <translation>F8: next problem, Shift+F8: previous</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Из секции</source>
        <translation>From section</translation>
    </message>
    <message>
        <source>Параметры секции «%1»</source>
        <translation>Parameters of section “%1”</translation>
    </message>
    <message>
        <source>Строка не принадлежит секции</source>
        <translation>The line belongs to no section</translation>
    </message>
    <message>
        <source> (нет такой секции)</source>
        <translation> (no such section)</translation>
    </message>
    <message>
        <source>Файла «%1» нет</source>
        <translation>No file “%1”</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>файл «%1», </source>
        <translation>file “%1”, </translation>
    </message>
    <message>
        <source>Секция «%1» задана второй раз (первая: %2): игра остановится.</source>
        <translation>Section “%1” is defined again (first: %2): the game will stop.</translation>
    </message>
    <message>
        <source>Родителя «%1» нет: игра остановится.</source>
        <translation>There is no parent “%1”: the game will stop.</translation>
    </message>
    <message>
        <source>Секции наследуют друг друга по кругу (%1): игра остановится.</source>
        <translation>The sections inherit from each other in a circle (%1): the game will stop.</translation>
    </message>
    <message>
        <source>Файлы подключают друг друга по кругу (%1): игра остановится.</source>
        <translation>The files include each other in a circle (%1): the game will stop.</translation>
    </message>
    <message>
        <source>Подключаемого файла «%1» нет: игра остановится.</source>
        <translation>The included file “%1” does not exist: the game will stop.</translation>
    </message>
    <message>
        <source>Строка длиной %1 байт: игра останавливается на строках от 4095 байт.</source>
        <translation>A line of %1 bytes: the game stops at lines of 4095 bytes or more.</translation>
    </message>
    <message>
        <source>Родитель «%1» задан ниже (%2): игра остановится.</source>
        <translation>The parent “%1” is defined below (%2): the game will stop.</translation>
    </message>
    <message>
        <source>Параметр «%1» уже задан в этой секции (%2): действует последний.</source>
        <translation>The parameter “%1” is already given in this section (%2): the last one counts.</translation>
    </message>
    <message>
        <source>Кавычки не закрыты: значение идёт до конца файла.</source>
        <translation>The quotes are not closed: the value runs to the end of the file.</translation>
    </message>
    <message>
        <source>Кавычки не закрыты: значение идёт до строки %1.</source>
        <translation>The quotes are not closed: the value runs to line %1.</translation>
    </message>
    <message>
        <source>Метка UTF-8 (BOM) в начале файла.</source>
        <translation>A UTF-8 mark (BOM) at the start of the file.</translation>
    </message>
    <message>
        <source>Метка UTF-8 (BOM) перед заголовком: игра пропустит секцию «%1».</source>
        <translation>A UTF-8 mark (BOM) before the header: the game will skip section “%1”.</translation>
    </message>
    <message>
        <source>Пробел между «]» и «:»: игра не прочтёт родителей (%1).</source>
        <translation>A space between “]” and “:”: the game will not read the parents (%1).</translation>
    </message>
    <message>
        <source>«%1%2]» удаляет секцию, которой нет.</source>
        <translation>“%1%2]” deletes a section that does not exist.</translation>
    </message>
    <message>
        <source>«%1%2]» меняет секцию, которой нет.</source>
        <translation>“%1%2]” changes a section that does not exist.</translation>
    </message>
    <message>
        <source>Проблем нет</source>
        <translation>No problems</translation>
    </message>
    <message>
        <source>Проблем в файле: %1</source>
        <translation>Problems in the file: %1</translation>
    </message>
    <message>
        <source>%1, строка %2</source>
        <translation>%1, line %2</translation>
    </message>
</context>
</TS>
