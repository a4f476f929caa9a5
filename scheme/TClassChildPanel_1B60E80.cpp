#include "scheme/TClassChildPanel_1B60E80.h"

#include "objlib/Cp1251Literal.h"

// The components are set up in the order of creation, each with its settings and then its
// connections. Two steps keep an order of their own: the panel is initialised before the
// controls on it are created (CreatePanel, from the member initialisers), since their windows
// are its children; and the controls' Init calls come last, last created first (InitControls),
// since Init creates the edit box's and the button's windows and the TAB order follows the
// order of the windows.
TClassChildPanel_1B60E80::TClassChildPanel_1B60E80(TControl* parent)
    : PanelBox(parent),
      PanelWindow(CreatePanel()),
      SearchBox(PanelWindow),
      UpRadio(PanelWindow),
      DownRadio(PanelWindow),
      QuickSearchBox(PanelWindow),
      SearchButton(PanelWindow),
      WholeLineBox(PanelWindow),
      FindKeys(PanelWindow),
      NextKeys(PanelWindow),
      PreviousKeys(PanelWindow) {
    View.SetWorkCount(0);
    View.Scheme = this;

    SearchBox.SetPlacement(0, 20, 170, 20);
    SearchBox.Color = 0xFF000005;
    SearchBox.Ctl3D = 1;
    SearchBox.Hint = "поиск работает только для строк с параметрами"_cp1251;
    SearchBox.Text = "";
    SearchBox.Alignment = 0;
    SearchBox.Password = false;
    SearchBox.ReadOnly = false;
    SearchBox.FileText = true;  // added: looked for in the open file's rows, in their encoding
    SearchBox.onChange = Point<&THILength::doLength>(TextLength);

    const Bytes directionHint = "направление поиска от курсора"_cp1251;
    UpRadio.SetPlacement(220, 0, 55, 20);
    UpRadio.Caption = "Вверх"_cp1251;
    UpRadio.Hint = directionHint;
    UpRadio.Flat = true;
    UpRadio.Checked = 1;

    DownRadio.SetPlacement(220, 20, 55, 20);
    DownRadio.Caption = "Вниз"_cp1251;
    DownRadio.Hint = directionHint;
    DownRadio.Flat = true;
    DownRadio.Checked = 0;

    QuickSearchBox.SetPlacement(0, 0, 105, 20);
    QuickSearchBox.Caption = "Быстрый поиск"_cp1251;
    QuickSearchBox.Hint = "вкл - поиск по первым набранным буквам,  выкл - поиск по нажатию кнопки"_cp1251;
    QuickSearchBox.Flat = true;
    QuickSearchBox.Checked = 0;

    SearchButton.SetPlacement(170, 20, 40, 20);
    SearchButton.Caption = "Поиск"_cp1251;
    SearchButton.Hint = "Искать!!!"_cp1251;
    SearchButton.Flat = true;
    SearchButton.onClick = Point<&THIHub::doEvent>(ButtonHub);

    WholeLineBox.SetPlacement(110, 0, 110, 20);
    WholeLineBox.Caption = "По всей строке"_cp1251;
    WholeLineBox.Hint = "вкл - искать по все строке, выкл - искать с первого символа"_cp1251;
    WholeLineBox.Flat = true;
    WholeLineBox.Checked = 1;

    TextLength.onLength = Point<&THIHub::doEvent>(TypeHub);

    TypeHub.SetOutCount(2);
    TypeHub.onEvent[0] = Point<&THIIf_else::doCompare>(ModeTest);
    TypeHub.onEvent[1] = Point<&THIHub::doEvent>(DirectionHub, 0);

    ModeTest.Type = Compare::Equal;
    ModeTest.Op1Point = Point<&THICheckBox::CheckedValue>(QuickSearchBox);
    SetInteger(ModeTest.Op2, 1);
    ModeTest.onTrue = Point<&THIDoData::doData>(ZeroOffset);
    ModeTest.onFalse = Point<&THIMemory::doClear>(Offset);

    SetInteger(ZeroOffset.Data, 0);
    ZeroOffset.onEventData = Point<&THIMemory::doValue>(Offset);

    TData one;
    SetInteger(one, 1);
    Offset.SetDefault(one);

    ButtonHub.SetOutCount(2);
    ButtonHub.onEvent[0] = Point<&THIMemory::doClear>(Offset);
    ButtonHub.onEvent[1] = Point<&THIHub::doEvent>(DirectionHub, 1);

    DirectionHub.SetOutCount(1);
    DirectionHub.onEvent[0] = Point<&THIIf_else::doCompare>(DirectionTest);

    DirectionTest.Type = Compare::Equal;
    DirectionTest.Op1Point = Point<&THIRadioButton::CheckedValue>(DownRadio);
    SetInteger(DirectionTest.Op2, 1);
    DirectionTest.onTrue = Point<&THIFor::doFor>(DownLoop);
    DirectionTest.onFalse = Point<&THIFor::doFor>(UpLoop);

    DownLoop.Step = 1;
    DownLoop.IncludeEnd = true;
    DownLoop.InData = false;
    DownLoop.BreakEvent = true;  // a stopped walk found its row; only a finished one ends in onStop
    DownLoop.StartPoint = Point<&THIEditMultiBase::Data>(View, 1);
    DownLoop.EndPoint = Point<&THIEditMultiBase::Data>(View, 2);
    DownLoop.onEvent = Point<&THIMath::doAdd>(DownIndex);
    DownLoop.onStop = Point<&THIDoData::doData>(NotFound);

    UpLoop.End = 1;
    UpLoop.Step = -1;
    UpLoop.IncludeEnd = true;
    UpLoop.InData = false;
    UpLoop.BreakEvent = true;
    UpLoop.StartPoint = Point<&THIEditMultiBase::Data>(View, 1);
    UpLoop.onEvent = Point<&THIMath::doSubtract>(UpIndex);
    UpLoop.onStop = Point<&THIDoData::doData>(NotFound);

    DownIndex.ResultType = 0;
    DownIndex.Op2 = 1.0;  // unused while Op2Point is connected; 1.0 as for every THIMath here
    DownIndex.Op2Point = Point<&THIMemory::Value>(Offset);
    DownIndex.onResult = Point<&THIHub::doEvent>(DownHub);

    UpIndex.ResultType = 0;
    UpIndex.Op2 = 1.0;  // unused while Op2Point is connected; 1.0 as for every THIMath here
    UpIndex.Op2Point = Point<&THIMemory::Value>(Offset);
    UpIndex.onResult = Point<&THIHub::doEvent>(UpHub);

    DownHub.SetOutCount(2);
    DownHub.onEvent[0] = Point<&THIHub::doEvent>(IndexHub, 0);
    DownHub.onEvent[1] = Point<&THIArrayRW::doRead>(RowReader);

    UpHub.SetOutCount(2);
    UpHub.onEvent[0] = Point<&THIHub::doEvent>(IndexHub, 1);
    UpHub.onEvent[1] = Point<&THIArrayRW::doRead>(RowReader);

    IndexHub.SetOutCount(1);
    IndexHub.onEvent[0] = Point<&THIMemory::doValue>(RowIndex);

    RowReader.Array = Point<&THIEditMultiBase::Data>(View, 0);
    RowReader.onRead = Point<&THIPosition::doSearch>(KeyFilter);

    KeyFilter.SubStr = "key\t";
    KeyFilter.StartPos = 1;
    KeyFilter.SkipNotFound = 1;
    KeyFilter.ResetPos = 1;
    KeyFilter.onSearch = Point<&THIIf_else::doCompare>(WholeLineTest);

    WholeLineTest.Type = Compare::Equal;
    WholeLineTest.Op1Point = Point<&THICheckBox::CheckedValue>(WholeLineBox);
    SetInteger(WholeLineTest.Op2, 0);
    WholeLineTest.onTrue = Point<&THICopy::doCopy>(NamePrefix);
    WholeLineTest.onFalse = Point<&THIPosition::doSearch>(LineSearch);

    NamePrefix.Position = 5;  // behind "key" and its TAB
    NamePrefix.Count = 1;  // unused while CountPoint is connected; 1 as for every THICopy here
    NamePrefix.CountPoint = Point<&THILength::ResultPoint>(TextLength);
    NamePrefix.Str = Point<&THIArrayRW::Item>(RowReader);
    NamePrefix.onCopy = Point<&THIIf_else::doCompare>(PrefixTest);

    PrefixTest.Type = Compare::Equal;
    PrefixTest.Op2Point = Point<&THIEdit::TextValue>(SearchBox);
    PrefixTest.onTrue = Point<&THIHub::doEvent>(FoundHub, 0);

    LineSearch.SubStr = "";
    LineSearch.StartPos = 1;
    LineSearch.SkipNotFound = 1;
    LineSearch.ResetPos = 1;
    LineSearch.SubStrPoint = Point<&THIEdit::TextValue>(SearchBox);
    LineSearch.Str = Point<&THIArrayRW::Item>(RowReader);
    LineSearch.onSearch = Point<&THIHub::doEvent>(FoundHub, 1);

    FoundHub.SetOutCount(4);
    FoundHub.onEvent[0] = Point<&THIDoData::doData>(SelectFound);
    FoundHub.onEvent[1] = Point<&THIFor::doStop>(DownLoop);
    FoundHub.onEvent[2] = Point<&THIFor::doStop>(UpLoop);
    FoundHub.onEvent[3] = Point<&THIDoData::doData>(Found);

    SelectFound.DataPoint = Point<&THIMemory::Value>(RowIndex);
    SelectFound.onEventData = Point<&THIEditMultiBase::doEvent>(View, 0);

    SetString(Found.Data, "");
    Found.onEventData = Point<&THIEdit::doMark>(SearchBox);

    SetString(NotFound.Data, "Ничего не найдено."_cp1251);
    NotFound.onEventData = Point<&THIEdit::doMark>(SearchBox);

    FindKeys.Keys = "Ctrl+F";
    FindKeys.onShortcut = Point<&THIEdit::doFocus>(SearchBox);

    NextKeys.Keys = "F3";
    NextKeys.onShortcut = Point<&THIHub::doEvent>(NextHub);

    NextHub.SetOutCount(2);
    NextHub.onEvent[0] = Point<&THIMemory::doClear>(Offset);
    NextHub.onEvent[1] = Point<&THIFor::doFor>(DownLoop);

    PreviousKeys.Keys = "Shift+F3";
    PreviousKeys.onShortcut = Point<&THIHub::doEvent>(PreviousHub);

    PreviousHub.SetOutCount(2);
    PreviousHub.onEvent[0] = Point<&THIMemory::doClear>(Offset);
    PreviousHub.onEvent[1] = Point<&THIFor::doFor>(UpLoop);

    InitControls();
}

TControl* TClassChildPanel_1B60E80::CreatePanel() {
    PanelBox.SetPlacement(1, 1, 650, 40);
    PanelBox.Align = Align::Top;
    PanelBox.Color = 0xFF00000F;
    PanelBox.Caption = "";
    PanelBox.BevelOuter = 0;
    PanelBox.BevelInner = 0;
    PanelBox.BevelWidth = 1;
    PanelBox.BorderStyle = 0;
    PanelBox.Init();
    return PanelBox.Control.get();
}

void TClassChildPanel_1B60E80::InitControls() {
    WholeLineBox.Init();
    SearchButton.Init();
    QuickSearchBox.Init();
    DownRadio.Init();
    UpRadio.Init();
    SearchBox.Init();
    FindKeys.Init();
    NextKeys.Init();
    PreviousKeys.Init();
}
