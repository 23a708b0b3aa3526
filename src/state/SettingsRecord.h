#pragma once

#include <QString>

#include <cstdint>

namespace fw {

// Every key of the sections "system" and "case", held for the whole run.
// Texts are held exactly as read or as the dialog set them; the bubble keys
// are numbers. Member names are the file's key names.
struct SettingsRecord
{
    // [system]
    QString version;
    QString date;
    QString time;
    QString endpattern;
    QString fishmovespeed;
    QString sound1;
    QString sound2;
    QString soundfile;
    QString forecolor;
    QString backcolor;
    QString namevisible;
    QString screenvisible;
    QString screenbitmap;
    QString screenclear;
    QString screencleartime;
    QString timevisible;
    QString timestyle;
    QString timeposition;

    // [case]
    QString food1;
    QString food2;
    QString foodtime1;
    QString foodtime2;
    QString lighton;
    QString lightoff;
    QString wtemp;
    QString wautochange;
    QString wchangeinterval;
    QString wquantity;
    QString wchangedate;
    double bubble_view = 0;
    std::int16_t bubble_dist = 0;
    std::int16_t bubble_initx = 0;
    std::int16_t bubble_inity = 0;
    std::int16_t bubble_init_rand = 0;
    double bubble_init_time = 0;
    std::int16_t bubble_limity = 0;
    std::int16_t bubble_count_max = 0;
    // Haze a water change left, in percent; added after the keys above.
    QString wturbidity;
    // "0" when the fish are not to breed; added after the keys above.
    QString fry;
    // Eggs waiting to hatch (see EggClutches.h); added after the keys above.
    QString eggs;
};

} // namespace fw
