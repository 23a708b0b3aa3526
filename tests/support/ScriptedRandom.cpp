#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw::test {

double ScriptedRandom::next()
{
    ++m_taken;
    if (m_values.empty()) {
        ADD_FAILURE() << "ScriptedRandom: draw " << m_taken << " was not scripted";
        return 0.0;
    }
    const double value = m_values.front();
    m_values.pop_front();
    return value;
}

} // namespace fw::test
