#include "scheme/TClassMultiElementEx_1B5D100.h"

TClassMultiElementEx_1B5D100::TClassMultiElementEx_1B5D100(TControl*) {
    FollowerPoints.SetWorkCount(1);
    FollowerPoints.WorkPoints[0] = Point<&THIMemory::doValue>(TargetRow);
    FollowerPoints.Scheme = this;

    TargetRow.onData = Point<&THIArrayEnum::doEnum>(EntryScan);

    EntryScan.Array = Point<&THIEditMultiBase::Data>(FollowerPoints, 0);
    EntryScan.onItem = Point<&THIStrPart::doSplit>(EntryIndex);
    EntryScan.onEndEnum = Point<&THIDoData::doData>(StepBack);

    EntryIndex.Char = "+";
    EntryIndex.onSplit = Point<&THIIf_else::doCompare>(PastTarget);

    PastTarget.Type = Compare::Less;
    PastTarget.Op1Point = Point<&THIMemory::Value>(TargetRow);
    PastTarget.onTrue = Point<&THIDoData::doData>(StepBack);

    StepBack.DataPoint = Point<&THIArrayEnum::Index>(EntryScan);
    StepBack.onEventData = Point<&THIMath::doSubtract>(PreviousEntry);

    PreviousEntry.Op2 = 1.0;
    PreviousEntry.ResultType = 0;
    PreviousEntry.onResult = Point<&THIHub::doEvent>(SelectHub);

    SelectHub.SetOutCount(4);
    SelectHub.onEvent[0] = Point<&THISwitch::doSwitch>(EventGate);
    SelectHub.onEvent[1] = Point<&THIEditMultiBase::doEvent>(FollowerPoints, 0);
    SelectHub.onEvent[2] = Point<&THISwitch::doReset>(EventGate);
    SelectHub.onEvent[3] = Point<&THIArrayEnum::doStop>(EntryScan);

    SetInteger(EventGate.DataOn, 0);
    SetInteger(EventGate.DataOff, 1);
    EventGate.SetInitial(1);
    EventGate.onSwitch = Point<&THIEditMultiBase::doEvent>(FollowerPoints, 1);
}
