// Small components for tests: they record what reaches them, answer fixed values when read,
// or change the record they were given, and a journal shows the order of all their calls.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/Dispatch.h"

using Journal = std::vector<std::string>;

inline TData Null() { return TData(); }
inline TData Int(int32_t i) {
    TData d;
    SetInteger(d, i);
    return d;
}
inline TData Str(const char* s) {
    TData d;
    SetString(d, s);
    return d;
}
inline TData Real(double r) {
    TData d;
    SetReal(d, r);
    return d;
}
inline TData BreakValue() {
    TData d;
    d.DataType = Tag::Break;
    return d;
}

// Text form of one value: NULL, 5, 'abc', r2.5, or the tag's name.
inline std::string DescribeValue(const TData& d) {
    switch (d.Tag()) {
    case Tag::Integer: return std::to_string(d.IntValue);
    case Tag::String: return "'" + d.StrValue.str() + "'";
    case Tag::Real: {
        char text[40];
        std::snprintf(text, sizeof text, "r%g", d.RealValue);
        return text;
    }
    default: return DataTypeName(d.Tag());
    }
}

// Text form of a record with its whole chain, values joined by ",".
inline std::string Describe(const TData& d) {
    std::string text = DescribeValue(d);
    for (const TData* next = d.Next; next; next = next->Next) text += "," + DescribeValue(*next);
    return text;
}

// A value chain kept alive for a test; Head() is a record whose Next links the rest.
class Chain {
public:
    Chain(std::initializer_list<TData> values) : values_(values) { Link(); }
    explicit Chain(const std::vector<TData>& values) : values_(values) { Link(); }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

    TData Head() const { return values_.empty() ? TData() : values_.front(); }

private:
    void Link() {
        for (size_t i = 0; i + 1 < values_.size(); ++i) values_[i].Next = &values_[i + 1];
    }
    std::vector<TData> values_;
};

// Writes "name:record" into the journal for every call and keeps the last record and index;
// then runs `then`, when a test gives it one (to stop a walk from inside it, say). As a value
// point it answers the last record it got, so it can stand in for a memory.
struct RecordingProbe {
    Journal* journal;
    std::string name;
    std::function<void()> then = nullptr;
    TData last = {};
    uint16_t lastIndex = 0;

    void doEvent(TData& d, uint16_t index) {
        last = d;
        lastIndex = index;
        journal->push_back(name + ":" + Describe(d));
        if (then) then();
    }
    void Value(TData& d, uint16_t) { CopyValue(d, last); }
};

// Passes what it receives on with ForwardData, as the routing components do.
struct ForwardingRelay {
    THI_Event onEvent;
    void doEvent(TData& d, uint16_t) { ForwardData(d, onEvent); }
};

// Records its call, then overwrites the record it was given and passes that on to onEvent.
struct RewritingProbe {
    Journal* journal;
    std::string name;
    THI_Event onEvent;
    void doEvent(TData& d, uint16_t) {
        journal->push_back(name + ":" + Describe(d));
        SetString(d, "rewritten");
        RaiseEvent(onEvent, d);
    }
};

// A value point that answers a fixed record (Break included).
struct ValueSource {
    TData value;
    void Value(TData& d, uint16_t) { d = value; }
};

// Cases for the read tests: a kind of point a read may meet (unconnected, or a ValueSource
// answering `answer`) and a record it may read from (its values are linked with Chain).
struct PointCase {
    const char* name;
    bool connected;
    TData answer;  // what a connected point answers
};

struct RecordCase {
    const char* name;
    std::vector<TData> values;  // empty: a NULL record
};

// A value point that answers the given records one after the other, and counts the reads.
struct SequenceSource {
    std::vector<TData> values;
    size_t reads = 0;
    void Value(TData& d, uint16_t) { d = values.at(reads++); }
};

inline SequenceSource IntegerSequence(const std::vector<int32_t>& values) {
    SequenceSource source;
    for (int32_t v : values) source.values.push_back(Int(v));
    return source;
}

// The hooks are on for every test, as after start-up; the journal starts empty.
class HooksActiveTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }

    RecordingProbe Probe(const char* name) { return RecordingProbe{&journal, name}; }

    Journal journal;
};
