#include "aquarium/life/Courtship.h"

#include "aquarium/SpeciesTraits.h"
#include "state/AppState.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int IdentityLength = 17; // species, name, birth day, sex

// How long each kind of spawn is seen, in seconds.
int showSeconds(int species)
{
    switch (species) {
    case 0:
        return 45;
    case 1:
    case 2:
        return 8;
    default:
        return 30;
    }
}

QStringView identityOf(const AppState &state, int position)
{
    return QStringView(state.fish.at(position).text()).first(IdentityLength);
}

std::int16_t towards(int from, int to, int most)
{
    return static_cast<std::int16_t>(std::clamp(to - from, -most, most));
}

void steerTo(FishValues &v, int x, int y, int most)
{
    v.movex = towards(v.left, x, most);
    v.movey = towards(v.top, y, most);
}

} // namespace

Courtship::Spot Courtship::spotFor(int species, int left, int top, int fishHeight, int tankHeight)
{
    if (species != 4 && species != 5)
        return {left, top};
    // Corydoras lay on the bottom, just inside their band.
    const float bottom = tankHeight - tankHeight * speciesTraits[species].bandBottom / 100.0f;
    return {left, std::max(0, int(bottom) - fishHeight - 2)};
}

void Courtship::start(const AppState &state, int female, int male, Spot spot, const QDateTime &now)
{
    m_active = true;
    m_species = state.fish.at(female).speciesIndex();
    m_female = female;
    m_male = male;
    m_femaleIdentity = identityOf(state, female).toString();
    m_maleIdentity = identityOf(state, male).toString();
    m_spot = spot;
    m_end = now.addSecs(showSeconds(m_species));
}

int Courtship::positionOf(const AppState &state, int last, const QString &identity) const
{
    const int count = std::min(state.fish.count, FishTable::Capacity);
    if (last >= 1 && last <= count && identityOf(state, last) == identity)
        return last;
    for (int p = 1; p <= count; ++p) {
        if (identityOf(state, p) == identity)
            return p;
    }
    return 0;
}

void Courtship::steer(AppState &state, const QDateTime &now)
{
    if (!m_active)
        return;
    m_female = positionOf(state, m_female, m_femaleIdentity);
    m_male = positionOf(state, m_male, m_maleIdentity);
    if (m_female == 0 || m_male == 0 || now >= m_end) {
        m_active = false;
        return;
    }
    switch (m_species) {
    case 0:
        steerAngelfish(state, m_female, m_male);
        break;
    case 1:
    case 2:
        steerTetras(state, m_female, m_male);
        break;
    default:
        steerCorydoras(state, m_female, m_male);
        break;
    }
}

void Courtship::steerAngelfish(AppState &state, int female, int male)
{
    // Side by side over the spot, hardly moving once there.
    FishValues &f = state.values[female];
    steerTo(f, m_spot.x, m_spot.y, 2);
    steerTo(state.values[male], m_spot.x + std::max<int>(f.width / 2, 8), m_spot.y + 6, 2);
}

void Courtship::steerTetras(AppState &state, int female, int male)
{
    // She darts the way she faces; he keeps on her tail.
    FishValues &f = state.values[female];
    FishValues &m = state.values[male];
    f.movex = static_cast<std::int16_t>(4 * (f.facing < 0 ? -1 : 1));
    f.movey = 0;
    const int behind = f.facing < 0 ? f.width : -m.width;
    steerTo(m, f.left + behind, f.top, 6);
}

void Courtship::steerCorydoras(AppState &state, int female, int male)
{
    // Down to the spot on the bottom, the male across her head.
    FishValues &f = state.values[female];
    steerTo(f, m_spot.x, m_spot.y, 2);
    steerTo(state.values[male], m_spot.x + std::max<int>(f.width * 2 / 3, 6), m_spot.y, 2);
}

} // namespace fw
