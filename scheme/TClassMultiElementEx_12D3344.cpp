#include "scheme/TClassMultiElementEx_12D3344.h"

#include "scheme/TClassMultiElementEx_12D63D0.h"
#include "scheme/TClassMultiElementEx_12D7E14.h"

TClassMultiElementEx_12D3344::TClassMultiElementEx_12D3344(TControl* parent)
    : SectionBuilder(parent), KeyBuilder(parent) {
    View.SetWorkCount(1);
    View.WorkPoints[0] = Point<&THIHub::doEvent>(EntryHub);
    View.Scheme = this;

    EntryHub.SetOutCount(6);  // changed: two outputs more, for the value filter and the release
    EntryHub.onEvent[0] = Point<&THIStrList::doClear>(Lines);
    EntryHub.onEvent[1] = Point<&THIStrList::doLoad>(Lines);
    EntryHub.onEvent[2] = Point<&THIEditMultiBase::doEvent>(View, 2);
    EntryHub.onEvent[3] = Point<&ValueLineFilter::doReset>(ValueFilter);  // added: a new file starts outside
    EntryHub.onEvent[4] = Point<&THIArrayEnum::doEnum>(LineEnum);
    EntryHub.onEvent[5] = Point<&THIStrList::doClear>(Lines);  // added: the rows hold the lines now; their text goes

    Lines.onChange = Point<&ByteOrderMarkCut::doCut>(MarkCut);  // added: a UTF-8 mark is no text of the first line

    LineEnum.Array = Point<&THIStrList::Array>(Lines);
    LineEnum.onItem = Point<&THIReplace::doReplace>(TabRemover);

    TabRemover.SubStr = "\t";
    TabRemover.DestStr = "";
    TabRemover.onReplace = Point<&ValueLineFilter::doLine>(ValueFilter);  // changed: values first

    ValueFilter.onValueLine = Point<&THIFormatStr::doString>(ValueRow);  // added: never classified
    ValueFilter.onLine = Point<&THIHub::doEvent>(LineHub);               // added: classified as before

    LineHub.SetOutCount(2);
    LineHub.onEvent[0] = Point<&THIMemory::doValue>(LineMemory);
    LineHub.onEvent[1] = Point<&THITrim::doTrim>(SpaceTrimmer);

    SpaceTrimmer.Char = " ";
    SpaceTrimmer.onTrim = Point<&THICopy::doCopy>(FirstChar);

    FirstChar.Position = 1;
    FirstChar.Count = 1;
    FirstChar.onCopy = Point<&THICase::doCase>(CommentTest);

    SetString(CommentTest.Value, ";");
    CommentTest.onMatch = Point<&THITrim::doTrim>(CommentTrimmer);
    CommentTest.onNext = Point<&THICase::doCase>(SectionTest);

    SetString(SectionTest.Value, "[");
    SectionTest.onMatch = Point<&THIMultiElementEx::doWork>(SectionBuilder, 0);
    SectionTest.onNext = Point<&THIStrPart::doSplit>(CommentCut);

    CommentTrimmer.Char = " ";
    CommentTrimmer.Text = Point<&THIMemory::Value>(LineMemory);
    CommentTrimmer.onTrim = Point<&THIDelete::doDelete>(CommentMarkRemover);

    CommentMarkRemover.Position = 1;
    CommentMarkRemover.Count = 1;
    CommentMarkRemover.onDelete = Point<&THIFormatStr::doString>(CommentRow);

    CommentRow.Mask = "0#15466238\tcom\t\t\t%1";
    CommentRow.SetDataCount(1);
    CommentRow.SkipInserted = 1;
    CommentRow.onFString = Point<&THIHub::doEvent>(RowCollector, 0);

    SectionBuilder.SetFactory(&MakeScheme<TClassMultiElementEx_12D63D0>);
    SectionBuilder.SetEventCount(2);
    SectionBuilder.SetDataCount(1);
    SectionBuilder.EventPoints[0] = Point<&THIHub::doEvent>(RowCollector, 1);
    SectionBuilder.EventPoints[1] = Point<&THIEditMultiBase::doEvent>(View, 0);
    SectionBuilder.DataPoints[0] = Point<&THIMemory::Value>(LineMemory);

    CommentCut.Char = ";";
    CommentCut.Str = Point<&THIMemory::Value>(LineMemory);
    CommentCut.onSplit = Point<&THIPosition::doSearch>(EqualsSearch);
    CommentCut.onNotFound = Point<&THIPosition::doSearch>(EqualsSearch);

    EqualsSearch.SubStr = "=";
    EqualsSearch.StartPos = 0;
    EqualsSearch.SkipNotFound = 0;
    EqualsSearch.ResetPos = 1;
    EqualsSearch.onSearch = Point<&THIIf_else::doCompare>(KeyTest);

    KeyTest.Type = Compare::Greater;  // "=" found at a position above 0
    SetString(KeyTest.Op2, "0");
    KeyTest.onTrue = Point<&THIMultiElementEx::doWork>(KeyBuilder, 0);
    KeyTest.onFalse = Point<&THIHub::doEvent>(OtherHub);

    KeyBuilder.SetFactory(&MakeScheme<TClassMultiElementEx_12D7E14>);
    KeyBuilder.SetEventCount(1);
    KeyBuilder.SetDataCount(1);
    KeyBuilder.EventPoints[0] = Point<&THIHub::doEvent>(RowCollector, 2);
    KeyBuilder.DataPoints[0] = Point<&THIMemory::Value>(LineMemory);

    // The name and comment are stored before the row is formatted; the comment is cleared
    // afterwards so that a following line without one gets an empty comment.
    OtherHub.SetOutCount(3);
    OtherHub.onEvent[0] = Point<&THIStrPart::doSplit>(OtherCut);
    OtherHub.onEvent[1] = Point<&THIFormatStr::doString>(OtherRow);
    OtherHub.onEvent[2] = Point<&THIMemory::doClear>(OtherCommentMemory);

    OtherCut.Char = ";";
    OtherCut.Str = Point<&THIMemory::Value>(LineMemory);
    OtherCut.onSplit = Point<&THIMemory::doValue>(OtherNameMemory);
    OtherCut.onNotFound = Point<&THIMemory::doValue>(OtherNameMemory);
    OtherCut.onPart = Point<&THIMemory::doValue>(OtherCommentMemory);

    OtherRow.Mask = "0#15532017\tnor\t%1\t\t%2";
    OtherRow.SetDataCount(2);
    OtherRow.SkipInserted = 1;
    OtherRow.Str[0] = Point<&THIMemory::Value>(OtherNameMemory);
    OtherRow.Str[1] = Point<&THIMemory::Value>(OtherCommentMemory);
    OtherRow.onFString = Point<&THIHub::doEvent>(RowCollector, 3);

    RowCollector.SetOutCount(1);
    RowCollector.onEvent[0] = Point<&THIEditMultiBase::doEvent>(View, 1);

    ValueRow.Mask = "0#15790320\tval\t%1\t\t";                    // added: the line whole, grey (F0F0F0)
    ValueRow.SetDataCount(1);                                      // added: %1 is the line itself
    ValueRow.SkipInserted = 1;                                     // added: the line is never scanned
    ValueRow.onFString = Point<&THIHub::doEvent>(RowCollector, 4);  // added: a fifth kind of row

    MarkCut.Array = Point<&THIStrList::Array>(Lines);  // added: the lines as read
}
