#pragma once
// The parameter boxes Edit1..Edit25 as data: which parameter each edits, its spin
// range and increment, its character limit and the decimals it shows.

#include "model/circuit_model.h"

#include <optional>

namespace quorel {

enum class BoxKind { Integer, Real };

struct ParameterBox {
    int tag = 0;                  // EditN carries N as its tag
    const char* name = "";        // model name of the parameter
    BoxKind kind = BoxKind::Real;
    double minimum = 0.0;         // spin range: the buttons step within it, leaving clamps to it
    double maximum = 0.0;
    double increment = 1.0;
    int maxLength = 0;            // characters that can be typed, 0 = no limit
    int decimals = 0;             // decimals shown after a spin step
    int CircuitModel::*intField = nullptr;
    double CircuitModel::*realField = nullptr;
    // The upper entry limit enforced while the user types: a value above entryMaximum
    // (at or above it when correctsAtMaximum) becomes entryCorrection, shown in the box.
    // 0: the box has no plain upper limit (its limits depend on other parameters).
    double entryMaximum = 0.0;
    double entryCorrection = 0.0;
    bool correctsAtMaximum = false;
};

// Applies the box's plain upper entry limit to `value`; returns the corrected value, or
// nothing when the value stands.
std::optional<double> upperEntryCorrection(const ParameterBox& box, double value);

// The box with tag N, or nothing for a tag that names no parameter box (7, 17, 18, 22).
std::optional<ParameterBox> parameterBox(int tag);
// The tags of all parameter boxes in increasing order.
extern const int kParameterBoxTags[21];

double boxValue(const CircuitModel& m, const ParameterBox& box);
void setBoxValue(CircuitModel& m, const ParameterBox& box, double value);

}  // namespace quorel
