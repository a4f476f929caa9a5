#include "runtime/THISwitch.h"

void THISwitch::SetInitial(uint8_t b) {
    State = b == 0;
    Value = State ? DataOn : DataOff;
}

void THISwitch::doSwitch(TData& d, uint16_t) {
    State = !State;
    Value = State ? ReadData(d, DataOnPoint, &DataOn) : ReadData(d, DataOffPoint, &DataOff);
    d = Value;
    CallEvent(onSwitch, d);
    ForwardCopy(d, State ? onOn : onOff, Value);
}

void THISwitch::doReset(TData& d, uint16_t index) {
    if (State) doSwitch(d, index);
}
