#include "burmese/logic/BurmeseTexts.h"

#include <cstddef>
#include <span>

namespace oriastra {

namespace {

// Day sign rows 1..8 stored from index 0; Wednesday is split into rows 4 and 5.
constexpr std::string_view kAnimalTexts[] = {
    // 1 Sunday, Garuda
    R"(The first animal sign of the Burmese zodiac, the Garuda rules over Sunday. This mythical bird, half eagle and half man, carries the god Vishnu on its back and is the sworn enemy of the nagas, the serpents of the deep. Legend tells how it snatched the nectar of the gods to buy its mother's freedom from the serpents, and Sunday's children will go to the same lengths for their own kin. A Burmese child born on this day is given a name that begins with a vowel, as Aye, Ei and Ohn do. You see a plan whole, as a bird sees the land from high above, while others are still arguing over its parts. Fussy detail tires you, so team up with a partner who enjoys the fine print.)",
    // 2 Monday, Tiger
    R"(The second animal sign of the Burmese zodiac, the Tiger rules over Monday. The tiger hunts alone at dusk and dawn, the hours between light and dark, and Monday's children are at their best in the same quiet edges of each day. Names for this day begin with K, Kh, G or Ng, the sounds of Khin and Kyaw. You notice a change of mood in a room before anyone says a word. Like the tiger guarding its range, you want to know your ground before you settle, and a move or a new job unsettles you for some weeks.)",
    // 3 Tuesday, Lion
    R"(The third animal sign of the Burmese zodiac, the Lion rules over Tuesday. In Burma the lion is the chinthe, the guardian that sits in pairs at the gates of pagodas, mouth open, facing whoever comes up the steps. Tuesday's children feel the same duty at a threshold: you are the one who stands between your family and a rude visitor, a crooked deal or an unfair teacher. The chinthe never guards alone, and you too work best with one trusted partner watching the other side of the gate. Tuesday names start with S, Hs, Z or Ny, as San, Zaw and Nyunt do. Praise you did not earn embarrasses you, and you would rather be thanked with a plain handshake and a cup of tea.)",
    // 4 Wednesday before noon, Elephant
    R"(The fourth animal sign of the Burmese zodiac, the Elephant rules over Wednesday. It governs those born on Wednesday morning, before the clock strikes noon. The tusked elephant is royal in Burma, and a white one was once the proudest treasure a king could own. Children of this sign are named with L or W, as in Lwin and Win. Your memory is long, for favours and slights alike. In the wild, an elephant herd follows its eldest mother, and you too hold the advice of elders in deep regard.)",
    // 5 Wednesday after noon, Tuskless Elephant
    R"(If a person is born on Wednesday, but after 12 noon, then his animal sign is the Tuskless Elephant. Wednesday is the only day of the week split in two, which gives Burmese astrology eight signs from seven days. Burmese call the afternoon Rahu's day, and its children take names beginning with Y or R, like Ye and Yin. The tuskless elephant lacks the ivory of its morning brother, so no hunter covets it, and it roams wherever it likes. You too are valued less for what you show than for what you quietly get done, and you prefer it that way.)",
    // 6 Thursday, Rat
    R"(The fifth animal sign of the Burmese zodiac, the Rat rules over Thursday. Small as it is, the rat knows every passage of the house it lives in and wastes nothing it finds. Thursday's children have the same gift for getting the most out of little. You keep a store put by for the lean months, and you know where every exit is before trouble starts. By custom, your name opens with P, Hp, B or M, as in Phyu and Myint. People who take your quiet, modest manner for weakness soon learn they were wrong.)",
    // 7 Friday, Guinea Pig
    R"(The sixth animal sign of the Burmese zodiac, the Guinea Pig rules over Friday. This little herd animal never lives alone: it whistles to its companions all day long and frets whenever the group is out of sight. Friday's children likewise need a close-knit circle around them, and a quarrel within it can spoil your days. Friday names open with Th or H, as Thida and Hla do. You keep track of who likes which dishes and whose exam is next week, and you show love through small, well-chosen kindnesses.)",
    // 8 Saturday, Dragon
    R"(The last animal sign of the Burmese zodiac, the Dragon is known to rule over Saturday. In Burmese lore this is the naga, a serpent-dragon that guards hidden treasure and the deep waters of the earth. When a storm broke over the Buddha as he sat in meditation, the naga king coiled around him and spread its hood to keep off the rain for an entire week. Saturday's children share that instinct to shelter others without being asked, and you are often the one who takes in a relative or stray. Saturday's letters are T, Ht, D and N, as in Tin, Htun and Nanda. You keep your own counsel, as the naga keeps its buried treasure, and share your plans only when they are ready.)",
};

constexpr std::string_view kPlanetTexts[] = {
    // 1 Sun
    R"(Sun - the first planet as per the Burmese astrology. The Sun is the source of all light and life, and it gives Sunday's people a warm presence that others gather round. You like to be at the centre of things and seldom enjoy a supporting role. The Sun shines on beggar and king alike, and you treat the doorman with the same courtesy as the chairman. You give freely to those in need, and you are happiest when your help is noticed. On the darker side, pride makes it hard for you to admit an error, even a small one. Do your hardest work early, before the day grows hot.)",
    // 2 Moon
    R"(Moon - the sixth planet as per the Burmese astrology. The Moon governs feelings, dreams and the heart's tides. Monday's people are tender and imaginative, with moods that wax and wane with the Moon. The full-moon feasts of the Burmese year, from the watering of the Bodhi tree in Kason to the lights of Thadingyut, mean much to you. After a hard time you withdraw, then return refreshed, as the new Moon follows the dark.)",
    // 3 Mars
    R"(Mars - the fourth planet as per the Burmese astrology. Mars is the red planet of war and action, and it fills Tuesday's people with fire. You have great physical energy and a taste for competition, in sport, business or debate. You act first and think later, which wins you many battles but costs you a few friends. Your anger flares fast and fades fast. A hard match or a long run each week keeps your temper in check.)",
    // 4 Mercury
    R"(Mercury - the second planet as per the Burmese astrology, is the planet of speech, learning and trade. It gives Wednesday's people a quick tongue and a quicker mind. You learn languages, figures and new skills easily, and talk your way out of trouble. Market stalls, classrooms and letters suit you. Words are your tools and your danger: a remark made in jest can travel further than you meant.)",
    // 5 Rahu
    R"(Rahu - is basically known as the planet of success, though it is not a planet in the usual sense. It is the shadowy node that swallows the Sun and the Moon at an eclipse. For people born on Wednesday afternoon, Rahu brings ambition, bold schemes and sudden turns of luck. Strange paths, new ideas and foreign places attract you. Every eclipse ends, and so do Rahu's dark spells: a setback is rarely the last word for you.)",
    // 6 Jupiter
    R"(Jupiter - the seventh planet as per the Burmese astrology, is the great teacher among the planets. It gives Thursday's people wisdom, sound judgement and a love of learning. You are often asked for advice, and many become teachers, monks or counsellors. Your best work ripens slowly, as Jupiter takes twelve years to cross the sky.)",
    // 7 Venus
    R"(Venus - the fifth planet as per the Burmese astrology. Venus is the planet of love, beauty and art, and it gives Friday's people a gentle, affectionate heart. You have a fine sense of colour, music and style, and you make your surroundings pleasant wherever you settle. Romance plays a large part in your life. A beautiful thing you cannot afford tempts you more than most, so go shopping with a list.)",
    // 8 Saturn
    R"(Saturn - the third planet as per the Burmese astrology. Saturn is the slow, stern planet of time, duty and discipline. It tests Saturday's people with delays and hardship early in life, but it rewards those who persist. You learn from each setback and build your success step by step. Thrift and a sense of responsibility are your hallmarks. Many of you do your finest work in middle age or later. When worry settles on you, a walk lifts it sooner than brooding does.)",
};

// Houses 1..7 stored from index 0. Any of the seven planets can sit in any house, so each
// text speaks of what the house does to whatever planets it holds.
constexpr std::string_view kHouseTexts[] = {
    // 1 The House of Impermanence
    R"(As the name implies, planets placed in this house manifests themselves in an impermanent way. What they promise comes and goes like passing clouds. A post, a home or a friendship may last a season, and you may move house more often than planned. It suits work meant to be brief, such as travel, contracts or seasonal trades. Keep savings where a sudden move cannot scatter them.)",
    // 2 The House of Extremity
    R"(As the name implies, it is the house either of nothing or of everything. Life here seldom offers a middle way. Whoever has planets here may know great plenty at one time and real want at another. Moods and choices swing to extremes too. Set limits before temptation arrives: a fixed sum for pleasure, an hour to stop work, a night's sleep before any bet.)",
    // 3 House of Fame
    R"(As the name implies, this house is mainly concerned with a person's fate and fame and prosperity. Recognition, a good name and the favour of the great flow from the planets sitting here. Your work tends to be noticed, and honours may arrive without being sought. This house favours stage and screen. A good name travels by word of mouth, so how you treat people on the way up counts as much as the work you do.)",
    // 4 House of Wealth
    R"(As the name implies, the House of Wealth is the house that takes care of your wealth, career and finances. Any planet lodged here works for your material comfort, favouring steady earnings, canny investments and a career that grows over the years. Property, land and savings are likely to swell. Money here comes slowly and goes slowly, and an inheritance or family business often plays a part.)",
    // 5 House van Kingly Position
    R"(House van Kingly Position is the house which shows the goals of a person. The planets standing here reveal the station you aim for, whether an office, mastery of a craft or a home of your own. Rank won here tends to be granted by others, by election or promotion, not seized. Write your aims down; this house rewards those who name them.)",
    // 6 The House of Sickly
    R"(The House of Sickly is one of the most difficult houses of the birth chart to deal with. Planets that fall here tend to show their weaker side, and they point to the parts of life where trouble gathers. Health is the first concern: watch for recurring illness, fatigue and the strain of overwork. Worries, debts and quarrels with neighbours or kin may also come through this house. The ills of this house seldom strike without warning: poor sleep or a lost appetite usually comes first, and resting then spares you a long spell in bed.)",
    // 7 House of the Leader
    R"(As the name implies, this is the house of leadership. From its planets come the nerve to take charge and the ability to inspire others to follow you. You may find yourself steering a family, a team or a whole community. When a crisis strikes, people turn to you before anyone else. Fairness and a listening ear keep them loyal long after the danger has passed.)",
};

// Keys count from 1 here, as the day sign rows and house numbers do.
std::string_view LookupFromOne(std::span<const std::string_view> table, int key) {
    if (key < 1 || static_cast<std::size_t>(key) > table.size()) {
        return {};
    }
    return table[static_cast<std::size_t>(key) - 1];
}

}  // namespace

std::string_view DaySignAnimalText(int row) { return LookupFromOne(kAnimalTexts, row); }
std::string_view DaySignPlanetText(int row) { return LookupFromOne(kPlanetTexts, row); }
std::string_view HouseDescriptionText(int house) { return LookupFromOne(kHouseTexts, house); }

}  // namespace oriastra
