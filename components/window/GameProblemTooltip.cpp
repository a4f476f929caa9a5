#include "components/window/GameProblemTooltip.h"

#include "components/window/GameFileText.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

QString FileName(std::string_view path) { return ToQString(path.substr(path.find_last_of('/') + 1)); }

// "строка 12", or "файл «a.ltx», строка 12" for a place outside the open file.
QString Place(const GameModel& model, GameLocation place, int openFile) {
    const QString line = Morvane::tr("строка %1").arg(place.line);
    if (place.file == openFile || place.file < 0 || place.file >= static_cast<int>(model.Files().size())) return line;
    return Morvane::tr("файл «%1», ").arg(FileName(model.Files()[place.file].path)) + line;
}

}  // namespace

QString GameProblemTooltip(const GameModel& model, const GameProblem& p, int openFile) {
    // Names come from the problem's file; the files of an include cycle are paths.
    const QString subject = GameFileText(model, p.at.file, p.subject);
    const QString other = p.kind == GameProblemKind::IncludeCycle ? ToQString(p.other) : GameFileText(model, p.at.file, p.other);
    switch (p.kind) {
    case GameProblemKind::RepeatedSection:
        return Morvane::tr("Секция «%1» задана второй раз (первая: %2): игра остановится.")
            .arg(subject, Place(model, p.related, openFile));
    case GameProblemKind::MissingParent:
        return Morvane::tr("Родителя «%1» нет: игра остановится.").arg(other);
    case GameProblemKind::ParentCycle:
        return Morvane::tr("Секции наследуют друг друга по кругу (%1): игра остановится.").arg(other);
    case GameProblemKind::IncludeCycle:
        return Morvane::tr("Файлы подключают друг друга по кругу (%1): игра остановится.").arg(other);
    case GameProblemKind::MissingInclude:
        return Morvane::tr("Подключаемого файла «%1» нет: игра остановится.").arg(subject);
    case GameProblemKind::LongLine:
        return Morvane::tr("Строка длиной %1 байт: игра останавливается на строках от 4095 байт.").arg(p.number);
    case GameProblemKind::ParentBelowChild:
        return Morvane::tr("Родитель «%1» задан ниже (%2): игра остановится.")
            .arg(other, Place(model, p.related, openFile));
    case GameProblemKind::RepeatedKey:
        return Morvane::tr("Параметр «%1» уже задан в этой секции (%2): действует последний.")
            .arg(subject, Place(model, p.related, openFile));
    case GameProblemKind::UnbalancedQuotes:
        if (p.number == 0) return Morvane::tr("Кавычки не закрыты: значение идёт до конца файла.");
        return Morvane::tr("Кавычки не закрыты: значение идёт до строки %1.").arg(p.number);
    case GameProblemKind::ByteOrderMark:
        if (p.subject.empty()) return Morvane::tr("Метка UTF-8 (BOM) в начале файла.");
        return Morvane::tr("Метка UTF-8 (BOM) перед заголовком: игра пропустит секцию «%1».").arg(subject);
    case GameProblemKind::SpaceBeforeColon:
        return Morvane::tr("Пробел между «]» и «:»: игра не прочтёт родителей (%1).").arg(other);
    case GameProblemKind::OverlayOnMissingSection:
        return (p.other == "!![" ? Morvane::tr("«%1%2]» удаляет секцию, которой нет.")
                                  : Morvane::tr("«%1%2]» меняет секцию, которой нет."))
            .arg(other, subject);
    }
    return {};
}
