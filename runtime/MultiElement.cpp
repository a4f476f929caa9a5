#include "runtime/MultiElement.h"

THIEditMultiBase* THIContainerBase::BuildInstance() {
    bool wasInitDone = InitDone;
    InitDone = false;
    THIEditMultiBase* view = Factory(ParentControl);
    view->Container = this;
    if (wasInitDone) RunInitQueue();
    return view;
}

THIMultiElementEx::~THIMultiElementEx() {
    for (THIEditMultiBase* view : Instances) delete view->Scheme;
    Instances.clear();
    Inner = nullptr;
}

void THIMultiElementEx::SetFactory(SchemeFactory factory) {
    Factory = factory;
    Inner = BuildInstance();
    Instances.push_back(Inner);
}

THIMultiElement::~THIMultiElement() {
    if (Inner) delete Inner->Scheme;
}

void THIMultiElement::SetFactory(SchemeFactory factory) {
    Factory = factory;
    if (!CreateOnDemand) EnsureInner();
}

void THIMultiElement::EnsureInner() {
    if (!Inner) Inner = BuildInstance();
}

void THIMultiElement::doWork(TData& d, uint16_t index) {
    EnsureInner();
    CallEvent(Inner->WorkPoints[index], d);
}
