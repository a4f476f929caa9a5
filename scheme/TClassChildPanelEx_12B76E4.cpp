#include "scheme/TClassChildPanelEx_12B76E4.h"

#include "objlib/Cp1251Literal.h"

// The components are set up in the order of creation, each with its settings and then its
// connections. Two steps keep an order of their own: the panel is initialised before the
// controls on it are created (InitPanel, from the member initialisers), since their windows
// are its children; and the controls' Init calls come last, last created first (InitControls),
// since Init creates a control's window and the TAB order follows the order of the windows.
TClassChildPanelEx_12B76E4::TClassChildPanelEx_12B76E4(TControl* parent)
    : PanelBox(parent),
      RemoveButton(InitPanel()),
      LoadListButton(PanelBox.Control.get()),
      SaveListButton(PanelBox.Control.get()),
      ClearButton(PanelBox.Control.get()),
      FileList(PanelBox.Control.get()),
      CursorCombo(PanelBox.Control.get()),
      CursorLabel(PanelBox.Control.get()),
      SaveFileButton(PanelBox.Control.get()),
      AboutButton(PanelBox.Control.get()),
      SaveAsButton(PanelBox.Control.get()),
      KeepLinesBox(PanelBox.Control.get()) {
    View.SetWorkCount(3);
    View.WorkPoints[0] = Point<&THIWinList::doAdd>(FileList);
    View.WorkPoints[1] = Point<&THIWinList::doClear>(FileList);
    View.WorkPoints[2] = Point<&THIDoData::doData>(CursorDefault);
    View.Scheme = this;

    RemoveButton.SetPlacement(5, 260, 60, 20);
    RemoveButton.Caption = "Удалить"_cp1251;
    RemoveButton.Hint = "Удалить текущий файл из списка."_cp1251;
    RemoveButton.Flat = true;
    RemoveButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 2);

    LoadListButton.SetPlacement(75, 285, 60, 20);
    LoadListButton.Caption = "Загрузить"_cp1251;
    LoadListButton.Hint = "Загрузить список."_cp1251;
    LoadListButton.Flat = true;
    LoadListButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 1);

    SaveListButton.SetPlacement(5, 285, 60, 20);
    SaveListButton.Caption = "Сохранить"_cp1251;
    SaveListButton.Hint = "Сохранить список."_cp1251;
    SaveListButton.Flat = true;
    SaveListButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 0);

    ClearButton.SetPlacement(75, 260, 60, 20);
    ClearButton.Caption = "Очистить"_cp1251;
    ClearButton.Hint = "Очистить список."_cp1251;
    ClearButton.Flat = true;
    ClearButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 3);

    FileList.SetPlacement(5, 1, 130, 250);
    FileList.Color = 0xFF000005;
    FileList.Ctl3D = 1;
    FileList.Hint = "Бросьте сюда нужные файлы."_cp1251;
    FileList.Strings = "";
    FileList.Sort = false;
    FileList.MultiSelect = false;
    FileList.SelectMode = 0;
    FileList.SelectAdded = false;
    FileList.onDblClick = Point<&THIHub::doEvent>(OpenHub);
    FileList.onEnter = Point<&THIHub::doEvent>(OpenHub);

    CursorCombo.SetPlacement(5, 325, 130, 21);
    CursorCombo.Color = 0xFF000005;
    CursorCombo.Ctl3D = 1;
    CursorCombo.Hint = "Где будет подсвеченная строка при переходе из оглавления"_cp1251;
    CursorCombo.Editable = false;
    CursorCombo.Sort = false;
    CursorCombo.SelectMode = 0;
    CursorCombo.Text = "ComboBox";
    CursorCombo.Strings = "стандарт\r\nсверху\r\nв центре\r\nвнизу"_cp1251;
    CursorCombo.onClick = Point<&THIEditMultiBase::doEvent>(View, 5);

    CursorLabel.SetPlacement(15, 310, 106, 17);
    CursorLabel.Color = 0xFF00000F;
    CursorLabel.Caption = "Положение курсора"_cp1251;
    CursorLabel.AutoSize = true;
    CursorLabel.Alignment = 0;

    SaveFileButton.SetPlacement(5, 540, 130, 30);
    SaveFileButton.Caption = "Сохранить файл"_cp1251;
    SaveFileButton.Hint = "Записать изменения."_cp1251;
    SaveFileButton.Flat = true;
    SaveFileButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 6);

    AboutButton.SetPlacement(5, 430, 130, 15);
    AboutButton.Caption = "О программе"_cp1251;
    AboutButton.Flat = true;
    AboutButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 7);

    SaveAsButton.SetPlacement(5, 505, 130, 30);
    SaveAsButton.Caption = "Сохранить как..."_cp1251;
    SaveAsButton.Flat = true;
    SaveAsButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 8);  // enabled: saves under another name

    // Below the cursor-position choice; the keeper reads its state on every save, so it has
    // no connection of its own.
    KeepLinesBox.SetPlacement(5, 350, 130, 17);
    KeepLinesBox.Caption = "Строки как в файле"_cp1251;
    KeepLinesBox.Hint = "Неизменённые строки записываются так, как были прочитаны"_cp1251;
    KeepLinesBox.Color = 0xFF00000F;
    KeepLinesBox.Checked = 1;  // not checked

    SetString(CursorDefault.Data, "в центре"_cp1251);
    CursorDefault.onEventData = Point<&THIComboBox::doSelectString>(CursorCombo);

    OpenHub.SetOutCount(2);
    OpenHub.onEvent[0] = Point<&THIDoData::doData>(StoreIndex);
    OpenHub.onEvent[1] = Point<&THIEditMultiBase::doEvent>(View, 4);

    StoreIndex.DataPoint = Point<&THIListBox::Index>(FileList);
    StoreIndex.onEventData = Point<&THIGlobalVar::doValue>(FileIndexVar);

    FileIndexVar.SetName("FileIndex");

    InitControls();
}

TControl* TClassChildPanelEx_12B76E4::InitPanel() {
    PanelBox.SetPlacement(0, 0, 140, 573);
    PanelBox.Align = Align::Left;
    PanelBox.Color = 0xFF00000F;
    PanelBox.Caption = "";
    PanelBox.Alignment = 2;
    PanelBox.BevelOuter = 0;
    PanelBox.BevelInner = 0;
    PanelBox.BevelWidth = 1;
    PanelBox.BorderStyle = 0;
    PanelBox.Init();
    return PanelBox.Control.get();
}

void TClassChildPanelEx_12B76E4::InitControls() {
    SaveAsButton.Init();
    AboutButton.Init();
    SaveFileButton.Init();
    KeepLinesBox.Init();
    CursorLabel.Init();
    CursorCombo.Init();
    FileList.Init();
    ClearButton.Init();
    SaveListButton.Init();
    LoadListButton.Init();
    RemoveButton.Init();
}
