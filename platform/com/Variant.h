#pragma once
// The small variant that dispatch calls pass: the argument and result types a
// dispatch interface of ours uses (16- and 32-bit integers, a float, a string).
// Free of Qt so that it can cross a library boundary loaded at run time.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>
#include <vector>

namespace tamberlo::com {

enum class VarType { Empty, I2, I4, UI4, R4, BStr };

class Variant {
public:
    Variant() = default;
    Variant(std::int16_t v) : value_(v) {}
    Variant(std::int32_t v) : value_(v) {}
    Variant(std::uint32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}

    VarType type() const { return static_cast<VarType>(value_.index()); }
    bool empty() const { return type() == VarType::Empty; }

    // Converts to `t` as an automation call would coerce an argument:
    // numbers between numeric types when the value fits (floats rounded),
    // strings only to strings. False when it does not convert.
    bool ConvertTo(VarType t, Variant& out) const {
        if (type() == t) {
            out = *this;
            return true;
        }
        double d = 0;
        switch (type()) {
        case VarType::I2: d = std::get<std::int16_t>(value_); break;
        case VarType::I4: d = std::get<std::int32_t>(value_); break;
        case VarType::UI4: d = std::get<std::uint32_t>(value_); break;
        case VarType::R4: d = std::nearbyint(std::get<float>(value_)); break;
        default: return false;
        }
        if (t == VarType::R4 && type() != VarType::R4) {
            out = Variant(static_cast<float>(d));
            return true;
        }
        switch (t) {
        case VarType::I2:
            if (!fits<std::int16_t>(d)) return false;
            out = Variant(static_cast<std::int16_t>(d));
            return true;
        case VarType::I4:
            if (!fits<std::int32_t>(d)) return false;
            out = Variant(static_cast<std::int32_t>(d));
            return true;
        case VarType::UI4:
            if (!fits<std::uint32_t>(d)) return false;
            out = Variant(static_cast<std::uint32_t>(d));
            return true;
        default: return false;
        }
    }

    std::int16_t i2() const { return get<std::int16_t>(); }
    std::int32_t i4() const { return get<std::int32_t>(); }
    float r4() const { return get<float>(); }
    std::string bstr() const { return get<std::string>(); }

    bool operator==(const Variant& o) const { return value_ == o.value_; }

private:
    template <typename T>
    static bool fits(double d) {
        return d >= static_cast<double>(std::numeric_limits<T>::min()) && d <= static_cast<double>(std::numeric_limits<T>::max());
    }
    template <typename T>
    T get() const {
        const T* p = std::get_if<T>(&value_);
        return p ? *p : T{};
    }
    std::variant<std::monostate, std::int16_t, std::int32_t, std::uint32_t, float, std::string> value_;
};

using VariantList = std::vector<Variant>;

}  // namespace tamberlo::com
