// Scheme containers: a container stands in an outer scheme like any component and owns one
// instance of an inner scheme, whose view is the container's inner face.
//
//   container doWork #i      -> view onWork #i         (into the inner scheme)
//   view doEvent #i          -> container onEvent #i   (out of the inner scheme)
//   view Data #i (value)     -> container Data #i      (read through the outer scheme)
//
// THIMultiElementEx builds its inner scheme when it is given its factory. THIMultiElement does
// the same, or, with CreateOnDemand, at the first call of one of its external method points.
#pragma once

#include <memory>
#include <vector>

#include "runtime/Dispatch.h"

class TControl;  // a platform window of the object library; opaque to the runtime
class THIEditMultiBase;

// A generated scheme class: owns its components, destroys them in reverse creation order.
class TScheme {
public:
    virtual ~TScheme() = default;
};

// Creates one instance of a scheme class on the given parent window and returns its view.
using SchemeFactory = THIEditMultiBase* (*)(TControl* parent);

// The factory of scheme class S; S has a public `View` member and a constructor (TControl*).
template <class S>
THIEditMultiBase* MakeScheme(TControl* parent) {
    S* scheme = new S(parent);
    return &scheme->View;
}

// What the two container kinds share: the external event and data points.
class THIContainerBase {
public:
    explicit THIContainerBase(TControl* parent) : ParentControl(parent) {}
    virtual ~THIContainerBase() = default;
    THIContainerBase(const THIContainerBase&) = delete;
    THIContainerBase& operator=(const THIContainerBase&) = delete;

    // Sizes the external points; the outer scheme calls these before it connects them.
    void SetEventCount(size_t n) { EventPoints.resize(n); }
    void SetDataCount(size_t n) { DataPoints.resize(n); }

    TControl* ParentControl;
    SchemeFactory Factory = nullptr;
    std::vector<THI_Event> EventPoints;  // onEvent #0..#n-1
    std::vector<THI_Event> DataPoints;   // Data #0..#m-1

protected:
    // Builds one instance; the queued start calls of its components run at once after start-up.
    THIEditMultiBase* BuildInstance();
};

// The inner face of a container, living inside the inner scheme.
class THIEditMultiBase {
public:
    THIEditMultiBase() = default;
    THIEditMultiBase(const THIEditMultiBase&) = delete;
    THIEditMultiBase& operator=(const THIEditMultiBase&) = delete;

    void SetWorkCount(size_t n) { WorkPoints.resize(n); }

    // Method point #i: passes the caller's record on to the container's onEvent #i.
    void doEvent(TData& d, uint16_t index) { CallEvent(Container->EventPoints[index], d); }
    // Value point #i: reads the container's external data point #i (Break when unconnected).
    void Data(TData& d, uint16_t index) { ReadRaw(d, Container->DataPoints[index]); }

    THIContainerBase* Container = nullptr;
    TScheme* Scheme = nullptr;
    std::vector<THI_Event> WorkPoints;  // onWork #0..#k-1
};

class THIEditMultiEx : public THIEditMultiBase {};
class THIEditMulti : public THIEditMultiBase {};

class THIMultiElementEx : public THIContainerBase {
public:
    explicit THIMultiElementEx(TControl* parent) : THIContainerBase(parent) {}
    ~THIMultiElementEx() override;

    // Stores the factory and builds the inner instance at once.
    void SetFactory(SchemeFactory factory);
    // Method point #i: the caller's record travels by reference into the inner scheme.
    void doWork(TData& d, uint16_t index) { CallEvent(Inner->WorkPoints[index], d); }

    std::vector<THIEditMultiBase*> Instances;  // owned through their schemes
    THIEditMultiBase* Inner = nullptr;
};

class THIMultiElement : public THIContainerBase {
public:
    explicit THIMultiElement(TControl* parent) : THIContainerBase(parent) {}
    ~THIMultiElement() override;

    // Stores the factory; builds the inner instance at once unless CreateOnDemand is set.
    void SetFactory(SchemeFactory factory);
    void doWork(TData& d, uint16_t index);
    void EnsureInner();

    bool CreateOnDemand = false;
    THIEditMultiBase* Inner = nullptr;
};
