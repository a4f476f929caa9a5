#include "components/window/GameProblemTooltip.h"

#include "objlib/qt/QtText.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Text(std::string_view cp1251) { return ToQString(cp1251); }

QString FileName(std::string_view path) { return Text(path.substr(path.find_last_of('/') + 1)); }

// "строка 12", or "файл «a.ltx», строка 12" for a place outside the open file.
QString Place(const GameModel& model, GameLocation place, int openFile) {
    const QString line = Utf8("строка %1").arg(place.line);
    if (place.file == openFile || place.file < 0 || place.file >= static_cast<int>(model.Files().size())) return line;
    return Utf8("файл «%1», ").arg(FileName(model.Files()[place.file].path)) + line;
}

}  // namespace

QString GameProblemTooltip(const GameModel& model, const GameProblem& p, int openFile) {
    const QString subject = Text(p.subject);
    const QString other = Text(p.other);
    switch (p.kind) {
    case GameProblemKind::RepeatedSection:
        return Utf8("Секция «%1» задана второй раз (первая: %2): игра остановится.")
            .arg(subject, Place(model, p.related, openFile));
    case GameProblemKind::MissingParent:
        return Utf8("Родителя «%1» нет: игра остановится.").arg(other);
    case GameProblemKind::ParentCycle:
        return Utf8("Секции наследуют друг друга по кругу (%1): игра остановится.").arg(other);
    case GameProblemKind::IncludeCycle:
        return Utf8("Файлы подключают друг друга по кругу (%1): игра остановится.").arg(other);
    case GameProblemKind::MissingInclude:
        return Utf8("Подключаемого файла «%1» нет: игра остановится.").arg(subject);
    case GameProblemKind::LongLine:
        return Utf8("Строка длиной %1 байт: игра останавливается на строках от 4095 байт.").arg(p.number);
    case GameProblemKind::ParentBelowChild:
        return Utf8("Родитель «%1» задан ниже (%2): игра остановится.")
            .arg(other, Place(model, p.related, openFile));
    case GameProblemKind::RepeatedKey:
        return Utf8("Параметр «%1» уже задан в этой секции (%2): действует последний.")
            .arg(subject, Place(model, p.related, openFile));
    case GameProblemKind::UnbalancedQuotes:
        if (p.number == 0) return Utf8("Кавычки не закрыты: значение идёт до конца файла.");
        return Utf8("Кавычки не закрыты: значение идёт до строки %1.").arg(p.number);
    case GameProblemKind::ByteOrderMark:
        if (p.subject.empty()) return Utf8("Метка UTF-8 (BOM) в начале файла.");
        return Utf8("Метка UTF-8 (BOM) перед заголовком: игра пропустит секцию «%1».").arg(subject);
    case GameProblemKind::SpaceBeforeColon:
        return Utf8("Пробел между «]» и «:»: игра не прочтёт родителей (%1).").arg(other);
    case GameProblemKind::OverlayOnMissingSection:
        return Utf8(p.other == "!![" ? "«%1%2]» удаляет секцию, которой нет." : "«%1%2]» меняет секцию, которой нет.")
            .arg(other, subject);
    }
    return {};
}
