#include "scheme/TClassMultiElementEx_1B35490.h"

TClassMultiElementEx_1B35490::TClassMultiElementEx_1B35490(TControl*) {
    View.SetWorkCount(2);
    View.WorkPoints[0] = Point<&THIHub::doEvent>(EntryHub);
    View.WorkPoints[1] = Point<&THIMemory::doValue>(PathMemory);
    View.Scheme = this;

    EntryHub.SetOutCount(3);  // changed: one output more, for the release
    EntryHub.onEvent[0] = Point<&THIStrList::doClear>(Output);
    EntryHub.onEvent[1] = Point<&THIArrayEnum::doEnum>(RowEnum);
    EntryHub.onEvent[2] = Point<&THIStrList::doClear>(Output);  // added: the lines are saved; their text goes

    RowEnum.Array = Point<&THIEditMultiBase::Data>(View, 0);
    RowEnum.onItem = Point<&THIHub::doEvent>(RowHub);
    RowEnum.onEndEnum = Point<&ByteOrderMarkPut::doPut>(MarkPut);  // changed: the file's mark first

    RowHub.SetOutCount(3);
    RowHub.onEvent[0] = Point<&THIStrPart::doSplit>(KindCut);
    RowHub.onEvent[1] = Point<&THIDoData::doData>(KindReader);
    RowHub.onEvent[2] = Point<&THIFormatStr::doString>(Formatter);

    KindCut.Char = "\t";
    KindCut.onPart = Point<&THIStrPart::doSplit>(NameCut);

    NameCut.Char = "\t";
    NameCut.onPart = Point<&THIStrPart::doSplit>(ValueCut);

    ValueCut.Char = "\t";
    ValueCut.onPart = Point<&THIMemory::doValue>(CommentMemory);

    KindReader.DataPoint = Point<&THIStrPart::LeftPoint>(KindCut);
    KindReader.onEventData = Point<&THIIf_else::doCompare>(ComTest);

    ComTest.Type = Compare::Equal;
    SetString(ComTest.Op2, "com");
    ComTest.onTrue = Point<&THIDoData::doData>(ComMask);
    ComTest.onFalse = Point<&THIIf_else::doCompare>(SecTest);

    SecTest.Type = Compare::Equal;
    SetString(SecTest.Op2, "sec");
    SecTest.onTrue = Point<&THIDoData::doData>(SecMask);
    SecTest.onFalse = Point<&THIIf_else::doCompare>(NorTest);

    NorTest.Type = Compare::Equal;
    SetString(NorTest.Op2, "nor");
    NorTest.onTrue = Point<&THIDoData::doData>(NorMask);
    NorTest.onFalse = Point<&THIIf_else::doCompare>(ValTest);  // changed: a value's line is no key

    ValTest.Type = Compare::Equal;                            // added: equal
    SetString(ValTest.Op2, "val");                            // added: a value's line
    ValTest.onTrue = Point<&THIDoData::doData>(ValMask);      // added: written as read
    ValTest.onFalse = Point<&THIDoData::doData>(KeyMask);     // added: every other kind, as before

    SetString(ComMask.Data, ";%3");
    ComMask.onEventData = Point<&THIHub::doEvent>(MaskCollector, 0);

    SetString(SecMask.Data, "\r%1\t;%3");
    SecMask.onEventData = Point<&THIHub::doEvent>(MaskCollector, 1);

    SetString(NorMask.Data, "%1\t;%3");
    NorMask.onEventData = Point<&THIHub::doEvent>(MaskCollector, 2);

    SetString(KeyMask.Data, "\t%1 = %2\t;%3");
    KeyMask.onEventData = Point<&THIHub::doEvent>(MaskCollector, 3);

    SetString(ValMask.Data, "%1");                                          // added: the line as read
    ValMask.onEventData = Point<&THIHub::doEvent>(MaskCollector, 4);        // added: a fifth mask

    MarkPut.Array = Point<&THIStrList::Array>(Output);            // added: before the first line
    MarkPut.Mark = Point<&THIEditMultiBase::Data>(View, 1);       // added: the open file's mark
    MarkPut.onPut = Point<&THIDoData::doData>(PathSource);        // added: then saved as before

    PathSource.DataPoint = Point<&THIMemory::Value>(PathMemory);
    PathSource.onEventData = Point<&THIStrList::doSave>(Output);

    MaskCollector.SetOutCount(1);
    MaskCollector.onEvent[0] = Point<&THIFormatStr::doMask>(Formatter);

    Formatter.Mask = "%1-%2-%3";
    Formatter.SetDataCount(3);
    Formatter.SkipInserted = 1;
    Formatter.Str[0] = Point<&THIStrPart::LeftPoint>(NameCut);
    Formatter.Str[1] = Point<&THIStrPart::LeftPoint>(ValueCut);
    Formatter.Str[2] = Point<&THIMemory::Value>(CommentMemory);
    Formatter.onFString = Point<&THIStrList::doAdd>(Output);
}
