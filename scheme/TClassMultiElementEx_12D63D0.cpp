#include "scheme/TClassMultiElementEx_12D63D0.h"

TClassMultiElementEx_12D63D0::TClassMultiElementEx_12D63D0(TControl*) {
    View.SetWorkCount(1);
    View.WorkPoints[0] = Point<&THIDoData::doData>(LineReader);
    View.Scheme = this;

    LineReader.DataPoint = Point<&THIEditMultiBase::Data>(View, 0);
    LineReader.onEventData = Point<&THIHub::doEvent>(SplitHub);

    SplitHub.SetOutCount(2);
    SplitHub.onEvent[0] = Point<&THIStrPart::doSplit>(CommentCut);
    SplitHub.onEvent[1] = Point<&THIFormatStr::doString>(SectionRow);

    CommentCut.Char = ";";
    CommentCut.onSplit = Point<&THIReplace::doReplace>(HeaderSpaces);
    CommentCut.onNotFound = Point<&THIReplace::doReplace>(HeaderSpaces);
    CommentCut.onPart = Point<&THIMemory::doValue>(CommentMemory);

    HeaderSpaces.SubStr = " ";
    HeaderSpaces.DestStr = "";
    HeaderSpaces.onReplace = Point<&THIHub::doEvent>(HeaderHub);

    HeaderHub.SetOutCount(2);
    HeaderHub.onEvent[0] = Point<&THIMemory::doValue>(HeaderMemory);
    HeaderHub.onEvent[1] = Point<&THIBlockFind::doFind>(NameFinder);

    NameFinder.StartBlock = "[";
    NameFinder.EndBlock = "]";
    NameFinder.onFind = Point<&THIEditMultiBase::doEvent>(View, 1);

    SectionRow.Mask = "0#16707055\tsec\t%1\t\t%2";
    SectionRow.SetDataCount(2);
    SectionRow.SkipInserted = 1;
    SectionRow.Str[0] = Point<&THIMemory::Value>(HeaderMemory);
    SectionRow.Str[1] = Point<&THIMemory::Value>(CommentMemory);
    SectionRow.onFString = Point<&THIHub::doEvent>(DoneHub);

    DoneHub.SetOutCount(3);
    DoneHub.onEvent[0] = Point<&THIMemory::doClear>(HeaderMemory);
    DoneHub.onEvent[1] = Point<&THIMemory::doClear>(CommentMemory);
    DoneHub.onEvent[2] = Point<&THIEditMultiBase::doEvent>(View, 0);
}
