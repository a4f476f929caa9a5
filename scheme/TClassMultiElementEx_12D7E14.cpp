#include "scheme/TClassMultiElementEx_12D7E14.h"

TClassMultiElementEx_12D7E14::TClassMultiElementEx_12D7E14(TControl*) {
    View.SetWorkCount(1);
    View.WorkPoints[0] = Point<&THIDoData::doData>(LineReader);
    View.Scheme = this;

    LineReader.DataPoint = Point<&THIEditMultiBase::Data>(View, 0);
    LineReader.onEventData = Point<&THIHub::doEvent>(SplitHub);

    SplitHub.SetOutCount(2);
    SplitHub.onEvent[0] = Point<&THIStrPart::doSplit>(EqualsCut);
    SplitHub.onEvent[1] = Point<&THIFormatStr::doString>(KeyRow);

    EqualsCut.Char = "=";
    EqualsCut.onSplit = Point<&THITrim::doTrim>(KeyTrimmer);
    EqualsCut.onPart = Point<&THIStrPart::doSplit>(CommentCut);

    KeyTrimmer.Char = " ";
    KeyTrimmer.onTrim = Point<&THIMemory::doValue>(KeyMemory);

    CommentCut.Char = ";";
    CommentCut.onSplit = Point<&THITrim::doTrim>(ValueTrimmer);
    CommentCut.onNotFound = Point<&THITrim::doTrim>(ValueTrimmer);
    CommentCut.onPart = Point<&THIMemory::doValue>(CommentMemory);

    ValueTrimmer.Char = " ";
    ValueTrimmer.onTrim = Point<&THIMemory::doValue>(ValueMemory);

    KeyRow.Mask = "0#0\tkey\t%1\t%2\t%3";
    KeyRow.SetDataCount(3);
    KeyRow.SkipInserted = 1;
    KeyRow.Str[0] = Point<&THIMemory::Value>(KeyMemory);
    KeyRow.Str[1] = Point<&THIMemory::Value>(ValueMemory);
    KeyRow.Str[2] = Point<&THIMemory::Value>(CommentMemory);
    KeyRow.onFString = Point<&THIHub::doEvent>(DoneHub);

    DoneHub.SetOutCount(4);
    DoneHub.onEvent[0] = Point<&THIMemory::doClear>(KeyMemory);
    DoneHub.onEvent[1] = Point<&THIMemory::doClear>(ValueMemory);
    DoneHub.onEvent[2] = Point<&THIMemory::doClear>(CommentMemory);
    DoneHub.onEvent[3] = Point<&THIEditMultiBase::doEvent>(View, 0);
}
