// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quavero {

// Declares one setting of a format record: a private member, a getter named
// after the setting and a setter named "set" + the capitalised name.
#define QV_RECORD_FIELD(Type, name, Setter, initial) \
public:                                              \
    Type name() const { return m_##name; }           \
    void Setter(Type value) { m_##name = value; }    \
                                                     \
private:                                             \
    Type m_##name = initial;

} // namespace quavero
