#include "scheme/TClassChildPanelEx_12B76E4.h"

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
    FileIndexVar.SetName("FileIndex");

    StoreIndex.DataPoint = Point<&THIListBox::Index>(FileList);
    StoreIndex.onEventData = Point<&THIGlobalVar::doValue>(FileIndexVar);

    OpenHub.SetOutCount(2);
    OpenHub.onEvent[0] = Point<&THIDoData::doData>(StoreIndex);
    OpenHub.onEvent[1] = Point<&THIEditMultiBase::doEvent>(View, 4);

    SetString(CursorDefault.Data, "\xE2 \xF6\xE5\xED\xF2\xF0\xE5");  // в центре
    CursorDefault.onEventData = Point<&THIComboBox::doSelectString>(CursorCombo);

    SaveAsButton.SetPlacement(5, 505, 130, 30);
    SaveAsButton.Caption = "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xEA\xE0\xEA...";  // Сохранить как...
    SaveAsButton.Flat = true;
    SaveAsButton.Enabled = false;
    SaveAsButton.Init();

    AboutButton.SetPlacement(5, 430, 130, 15);
    AboutButton.Caption = "\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5";  // О программе
    AboutButton.Flat = true;
    AboutButton.Init();
    AboutButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 7);

    SaveFileButton.SetPlacement(5, 540, 130, 30);
    SaveFileButton.Caption = "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xF4\xE0\xE9\xEB";  // Сохранить файл
    SaveFileButton.Hint = "\xC7\xE0\xEF\xE8\xF1\xE0\xF2\xFC \xE8\xE7\xEC\xE5\xED\xE5\xED\xE8\xFF.";  // Записать изменения.
    SaveFileButton.Flat = true;
    SaveFileButton.Init();
    SaveFileButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 6);

    // Below the cursor-position choice; the keeper reads its state on every save, so it has
    // no connection of its own.
    KeepLinesBox.SetPlacement(5, 350, 130, 17);
    KeepLinesBox.Caption = "\xD1\xF2\xF0\xEE\xEA\xE8 \xEA\xE0\xEA \xE2 \xF4\xE0\xE9\xEB\xE5";  // Строки как в файле
    // Неизменённые строки записываются так, как были прочитаны
    KeepLinesBox.Hint =
        "\xCD\xE5\xE8\xE7\xEC\xE5\xED\xB8\xED\xED\xFB\xE5 \xF1\xF2\xF0\xEE\xEA\xE8 "
        "\xE7\xE0\xEF\xE8\xF1\xFB\xE2\xE0\xFE\xF2\xF1\xFF \xF2\xE0\xEA, \xEA\xE0\xEA "
        "\xE1\xFB\xEB\xE8 \xEF\xF0\xEE\xF7\xE8\xF2\xE0\xED\xFB";
    KeepLinesBox.Color = 0xFF00000F;
    KeepLinesBox.Checked = 1;  // not checked
    KeepLinesBox.Init();

    CursorLabel.SetPlacement(15, 310, 106, 17);
    CursorLabel.Color = 0xFF00000F;
    CursorLabel.Caption = "\xCF\xEE\xEB\xEE\xE6\xE5\xED\xE8\xE5 \xEA\xF3\xF0\xF1\xEE\xF0\xE0";  // Положение курсора
    CursorLabel.AutoSize = true;
    CursorLabel.Alignment = 0;
    CursorLabel.Init();

    CursorCombo.SetPlacement(5, 325, 130, 21);
    CursorCombo.Color = 0xFF000005;
    CursorCombo.Ctl3D = 1;
    // Где будет подсвеченная строка при переходе из оглавления
    CursorCombo.Hint =
        "\xC3\xE4\xE5 \xE1\xF3\xE4\xE5\xF2 \xEF\xEE\xE4\xF1\xE2\xE5\xF7\xE5\xED\xED\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0 "
        "\xEF\xF0\xE8 \xEF\xE5\xF0\xE5\xF5\xEE\xE4\xE5 \xE8\xE7 \xEE\xE3\xEB\xE0\xE2\xEB\xE5\xED\xE8\xFF";
    CursorCombo.Editable = false;
    CursorCombo.Sort = false;
    CursorCombo.SelectMode = 0;
    CursorCombo.Text = "ComboBox";
    // стандарт, сверху, в центре, внизу
    CursorCombo.Strings =
        "\xF1\xF2\xE0\xED\xE4\xE0\xF0\xF2\r\n\xF1\xE2\xE5\xF0\xF5\xF3\r\n\xE2 \xF6\xE5\xED\xF2\xF0\xE5\r\n"
        "\xE2\xED\xE8\xE7\xF3";
    CursorCombo.Init();
    CursorCombo.onClick = Point<&THIEditMultiBase::doEvent>(View, 5);

    FileList.SetPlacement(5, 1, 130, 250);
    FileList.Color = 0xFF000005;
    FileList.Ctl3D = 1;
    // Бросьте сюда нужные файлы.
    FileList.Hint = "\xC1\xF0\xEE\xF1\xFC\xF2\xE5 \xF1\xFE\xE4\xE0 \xED\xF3\xE6\xED\xFB\xE5 \xF4\xE0\xE9\xEB\xFB.";
    FileList.Strings = "";
    FileList.Sort = false;
    FileList.MultiSelect = false;
    FileList.SelectMode = 0;
    FileList.SelectAdded = false;
    FileList.Init();
    FileList.onDblClick = Point<&THIHub::doEvent>(OpenHub);

    ClearButton.SetPlacement(75, 260, 60, 20);
    ClearButton.Caption = "\xCE\xF7\xE8\xF1\xF2\xE8\xF2\xFC";           // Очистить
    ClearButton.Hint = "\xCE\xF7\xE8\xF1\xF2\xE8\xF2\xFC \xF1\xEF\xE8\xF1\xEE\xEA.";  // Очистить список.
    ClearButton.Flat = true;
    ClearButton.Init();
    ClearButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 3);

    SaveListButton.SetPlacement(5, 285, 60, 20);
    SaveListButton.Caption = "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC";  // Сохранить
    SaveListButton.Hint = "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xF1\xEF\xE8\xF1\xEE\xEA.";  // Сохранить список.
    SaveListButton.Flat = true;
    SaveListButton.Init();
    SaveListButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 0);

    LoadListButton.SetPlacement(75, 285, 60, 20);
    LoadListButton.Caption = "\xC7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC";  // Загрузить
    LoadListButton.Hint = "\xC7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC \xF1\xEF\xE8\xF1\xEE\xEA.";  // Загрузить список.
    LoadListButton.Flat = true;
    LoadListButton.Init();
    LoadListButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 1);

    RemoveButton.SetPlacement(5, 260, 60, 20);
    RemoveButton.Caption = "\xD3\xE4\xE0\xEB\xE8\xF2\xFC";  // Удалить
    // Удалить текущий файл из списка.
    RemoveButton.Hint = "\xD3\xE4\xE0\xEB\xE8\xF2\xFC \xF2\xE5\xEA\xF3\xF9\xE8\xE9 \xF4\xE0\xE9\xEB \xE8\xE7 \xF1\xEF\xE8\xF1\xEA\xE0.";
    RemoveButton.Flat = true;
    RemoveButton.Init();
    RemoveButton.onClick = Point<&THIEditMultiBase::doEvent>(View, 2);

    View.SetWorkCount(3);
    View.WorkPoints[0] = Point<&THIWinList::doAdd>(FileList);
    View.WorkPoints[1] = Point<&THIWinList::doClear>(FileList);
    View.WorkPoints[2] = Point<&THIDoData::doData>(CursorDefault);
    View.Scheme = this;
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
