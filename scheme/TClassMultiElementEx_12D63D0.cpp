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
    CommentCut.onSplit = Point<&THIReplace::doReplace>(ParentGapMark);     // changed: marks first
    CommentCut.onNotFound = Point<&THIReplace::doReplace>(ParentGapMark);  // changed: marks first
    CommentCut.onPart = Point<&THIMemory::doValue>(CommentMemory);

    ParentGapMark.SubStr = "] ";                                   // added: a space after "]"
    ParentGapMark.DestStr = "]\t";                                 // added: marked, the line has no TAB
    ParentGapMark.onReplace = Point<&THIReplace::doReplace>(HeaderSpaces);  // added: then the spaces

    HeaderSpaces.SubStr = " ";
    HeaderSpaces.DestStr = "";
    HeaderSpaces.onReplace = Point<&THIReplace::doReplace>(ParentGapKeep);  // changed: gaps first

    ParentGapKeep.SubStr = "\t:";                                  // added: a gap between "]" and ":"
    ParentGapKeep.DestStr = " :";                                  // added: stays one space wide
    ParentGapKeep.onReplace = Point<&THIReplace::doReplace>(MarkDrop);  // added: then the other marks

    MarkDrop.SubStr = "\t";                                        // added: no mark stays in the header
    MarkDrop.DestStr = "";                                         // added: a mark not before ":" goes
    MarkDrop.onReplace = Point<&THIHub::doEvent>(HeaderHub);       // added: on to the header as before

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
