#pragma once
// Writes a view field only when the value differs, and says whether it did,
// so that a scan cycle that changes nothing moves no revision.

namespace tamberlo {

template <class T, class V>
inline bool SetIfChanged(T& field, const V& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace tamberlo
