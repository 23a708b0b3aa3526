#pragma once

#include <QDateTime>
#include <QString>

namespace fw {

struct AppState;

// The spawning pair as the tank shows it, for a while, by steering their
// steps: angelfish keep close together at one spot, as parents guarding
// their eggs; a tetra male chases the female briefly; corydoras pair up on
// the bottom. It draws no random numbers; the frame routine's walls and
// depth bands still hold the pair in its water.
class Courtship
{
public:
    // Where the eggs of a pair whose female is at (left, top) are laid.
    struct Spot
    {
        int x;
        int y;
    };
    static Spot spotFor(int species, int left, int top, int fishHeight, int tankHeight);

    void start(const AppState &state, int female, int male, Spot spot, const QDateTime &now);
    bool active() const { return m_active; }

    // Sets the pair's steps for this tick; ends when its time is up or when a
    // partner is no longer in the tank (released in the dialog).
    void steer(AppState &state, const QDateTime &now);

private:
    // Finds the partner again after the fish were put in save order.
    int positionOf(const AppState &state, int last, const QString &identity) const;
    void steerAngelfish(AppState &state, int female, int male);
    void steerTetras(AppState &state, int female, int male);
    void steerCorydoras(AppState &state, int female, int male);

    bool m_active = false;
    int m_species = 0;
    int m_female = 0;
    int m_male = 0;
    QString m_femaleIdentity; // species, name, birth day and sex
    QString m_maleIdentity;
    Spot m_spot{0, 0};
    QDateTime m_end;
};

} // namespace fw
