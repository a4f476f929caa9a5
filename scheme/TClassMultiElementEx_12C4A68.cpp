#include "scheme/TClassMultiElementEx_12C4A68.h"

TClassMultiElementEx_12C4A68::TClassMultiElementEx_12C4A68(TControl*) {
    View.SetWorkCount(7);
    View.WorkPoints[0] = Point<&THIStrList::doAdd>(List);
    View.WorkPoints[1] = Point<&THIHub::doEvent>(ShowHub);
    View.WorkPoints[2] = Point<&THIStrList::doSave>(List);
    View.WorkPoints[3] = Point<&THIHub::doEvent>(LoadHub);
    View.WorkPoints[4] = Point<&THIHub::doEvent>(RemoveHub);
    View.WorkPoints[5] = Point<&THIHub::doEvent>(ClearHub);
    View.WorkPoints[6] = Point<&THIDoData::doData>(OpenIndex);
    View.Scheme = this;

    List.FileName = "filename.ini";

    Enumerator.Array = Point<&THIStrList::Array>(List);
    Enumerator.onItem = Point<&THIIf_else::doCompare>(BlankTest);

    BlankTest.Type = Compare::Equal;
    SetString(BlankTest.Op2, "");
    BlankTest.onTrue = Point<&THIEditMultiBase::doEvent>(View, 0);
    BlankTest.onFalse = Point<&THIFilePart::doPart>(PathSplitter);

    PathSplitter.WithExt = 0;
    PathSplitter.DropDot = 1;
    PathSplitter.PathBehindName = 1;  // added: the whole path, for the name's tooltip in the list
    PathSplitter.onName = Point<&THIEditMultiBase::doEvent>(View, 0);

    ArrayReader.Array = Point<&THIStrList::Array>(List);
    ArrayReader.onRead = Point<&THIEditMultiBase::doEvent>(View, 2);

    FileIndexVar.SetName("FileIndex");

    DeleteIndex.DataPoint = Point<&THIGlobalVar::Value>(FileIndexVar);
    DeleteIndex.onEventData = Point<&THIStrList::doDelete>(List);

    OpenIndex.DataPoint = Point<&THIGlobalVar::Value>(FileIndexVar);
    OpenIndex.onEventData = Point<&THIArrayRW::doRead>(ArrayReader);

    ShowHub.SetOutCount(2);
    ShowHub.onEvent[0] = Point<&THIEditMultiBase::doEvent>(View, 1);
    ShowHub.onEvent[1] = Point<&THIArrayEnum::doEnum>(Enumerator);

    LoadHub.SetOutCount(3);
    LoadHub.onEvent[0] = Point<&THIStrList::doClear>(List);
    LoadHub.onEvent[1] = Point<&THIStrList::doLoad>(List);
    LoadHub.onEvent[2] = Point<&THIHub::doEvent>(ShowHub);

    RemoveHub.SetOutCount(2);
    RemoveHub.onEvent[0] = Point<&THIDoData::doData>(DeleteIndex);
    RemoveHub.onEvent[1] = Point<&THIHub::doEvent>(ShowHub);

    ClearHub.SetOutCount(2);
    ClearHub.onEvent[0] = Point<&THIStrList::doClear>(List);
    ClearHub.onEvent[1] = Point<&THIHub::doEvent>(ShowHub);
}
