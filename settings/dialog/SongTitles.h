#pragma once

#include <array>
#include <string_view>

#include "settings/SettingsKeys.h"

// The captions of the song check boxes; song n is at index n - 1 and plays
// the file "midi" n ".mid".
inline constexpr std::array<std::string_view, SongCount> SongTitles = {
    "Good King Wencesles",
    "We Three Kings",
    "Deck the Halls",
    "Joy to the World",
    "Silent Night",
    "Greensleeves",
    "Nut Cracker",
    "Hark the Herald Angel",
    "Holy Night",
    "Rudolph",
    "Santas comin' to Town",
    "Feliz Navidad",
    "O Tannenbaum",
    "Jingle Bells",
    "Chestnuts Roasting ...",
    "Away in the Manger",
    "Lit'l Town Of Bethlehem",
    "O Come All Ye Faithful",
    "Little Drummer Boy",
    "God Rest Ye Merry Gents",
    "Sugarplum Fairy",
    "Let it Snow",
    "12 Days of Christmas",
    "Frosty the Snowman",
    "Choir of Bells (Loud)",
    "Christmas Medley",
    "Do You Hear What I Hear",
    "Emmanuel",
    "My Favorite Things",
    "Merry Little Christmas",
    "... Upon a Midnight Clear",
    "Noel",
    "Silver Bells",
    "So this is Christmas",
    "The Holly and the Ivy",
    "I'll be Home for Christmas",
};
