#include "burmese/logic/BurmeseTexts.h"

#include <cstddef>
#include <span>

namespace oriastra {

namespace {

// Day sign rows 1..8 stored from index 0; Wednesday is split into rows 4 and 5.
constexpr std::string_view kAnimalTexts[] = {
    // 1 Sunday, Garuda
    R"(The first animal sign of the Burmese zodiac, the Garuda rules over Sunday. This mighty mythical bird, half eagle and half man, carries the great god Vishnu and is the sworn enemy of the serpents. Those born on Sunday share its soaring pride and its fierce strength. You set your sights high and go after your goals with a force that few can stand against. Once you have made a decision you hold on to it, and even good advice rarely moves you, which others see as plain stubbornness. You protect your family and friends as the Garuda guards its nest, and you expect loyalty in return. Face the NorthEast when you begin any important work, for that direction favours you.)",
    // 2 Monday, Tiger
    R"(The second animal sign of the Burmese zodiac, the Tiger rules over Monday. The tiger moves through the forest with grace and quiet confidence, and Monday's children carry the same easy charm. You make friends wherever you go, and people warm to your open smile and lively talk. Behind the friendliness lies a keen intelligence that sizes up every situation quickly. Like the tiger, you can be fierce when someone you love is threatened. East is your lucky direction, the side where each new day begins.)",
    // 3 Tuesday, Lion
    R"(The third animal sign of the Burmese zodiac, the Lion rules over Tuesday. In Burma the lion is the chinthe, the guardian figure that sits at the gates of pagodas. Those born on Tuesday have this guardian spirit and a regal bearing to match. You say exactly what you think, and you expect others to be just as straightforward in return. Flattery and gossip make you impatient, because you prefer to settle matters face to face. Your courage is real, and you will take on a fight for someone weaker without being asked. This forceful manner can sometimes wound gentler souls, so choose your words with care. The SouthEast is the direction that brings you good fortune.)",
    // 4 Wednesday before noon, Elephant
    R"(The fourth animal sign of the Burmese zodiac, the Elephant rules over Wednesday. It governs those born on Wednesday morning, before the clock strikes noon. The tusked elephant is a royal animal in Burma, a symbol of great strength and dignity. You have a strong, steady character, yet your temper can flash without warning when you are thwarted. You want things done at once and find waiting a trial. Your memory is very long, both for favours and for slights. The South brings you luck.)",
    // 5 Wednesday after noon, Tuskless Elephant
    R"(If a person is born on Wednesday, but after 12 noon, then his animal sign is the Tuskless Elephant. Wednesday is the only day of the week that is split in two, so its afternoon has a sign of its own. The tuskless elephant lacks the proud weapons of its morning brother, but it is no less strong. Those born under it rely on cunning and persistence rather than on display. Like all Wednesday people, you are quick tempered, impatient and hasty in your judgements. Yet you are also independent and hard to tame. Fortune waits in the NorthWest.)",
    // 6 Thursday, Rat
    R"(The fifth animal sign of the Burmese zodiac, the Rat rules over Thursday. Small as it may be, the rat is clever, watchful and never wastes what it finds. Thursday people have the same gift for making the most of every chance. You plan ahead, save for the future and wait patiently for the right moment to act. When others panic, you keep a cool head and look for the way out. Your ambition is quiet but steady, and it often carries you further than your noisier rivals. Look to the West for fortune.)",
    // 7 Friday, Guinea Pig
    R"(The sixth animal sign of the Burmese zodiac, the Guinea Pig rules over Friday. This gentle little creature is always busy, squeaking and darting about. Friday's children share its lively, restless nature. You love to chat and can keep a conversation going for hours. You are also sensitive, and a careless remark hurts you more than you show. You need a circle of close friends around you to feel secure. Settle on one aim and you achieve far more than anybody expects. North is your lucky direction.)",
    // 8 Saturday, Dragon
    R"(The last animal sign of the Burmese zodiac, the Dragon is known to rule over Saturday. In Burmese lore this is the naga, a great serpent-dragon that guards hidden treasure and the deep waters of the earth. Saturday natives carry something of its quiet strength. You are intelligent and hard working, and you are at your best when there is a large task to organise. You draw up plans, divide the work and see each part through to the end. Others come to rely on you, for you keep your word and meet every deadline. You can seem serious or distant at first, yet your loyalty runs very deep once it is given. Turn towards the SouthWest when you need good luck on your side.)",
};

constexpr std::string_view kPlanetTexts[] = {
    // 1 Sun
    R"(Sun - the first planet as per the Burmese astrology. The Sun is the source of light and life, and it gives Sunday's people a radiant, commanding presence. You people like to be at the centre of things and seldom enjoy a supporting role. Your energy is great and your will is strong, so you tend to climb to authority in any field. The Sun also brings a generous heart: you give freely to the needy and enjoy being admired for it. On the darker side, vanity can make you domineering and slow to admit mistakes. Share the light with others and your success will be lasting.)",
    // 2 Moon
    R"(Moon - the sixth planet as per the Burmese astrology. The Moon governs feelings, dreams and the tides of the heart. Monday's people are tender and imaginative, with moods that change as the Moon changes its face. You have a rich inner life and never forget a kindness. Home and mother mean a great deal to you. In hard times you may withdraw for a while, but you always return refreshed, as the new Moon follows the dark.)",
    // 3 Mars
    R"(Mars - the fourth planet as per the Burmese astrology. Mars is the red planet of war and action, and it fills Tuesday's people with fire. You have great physical energy and a taste for competition, in sport, business or debate. You act first and think later, which wins you many battles but costs you a few friends. Your anger flares fast. Put this drive into hard work and worthy causes, and Mars will reward you well.)",
    // 4 Mercury
    R"(Mercury - the second planet as per the Burmese astrology, is the planet of speech, learning and trade. It gives Wednesday's people a quick tongue and a quicker mind. You learn languages, figures and new skills with ease, and can talk your way out of trouble. Your weakness is haste: you may jump to conclusions before hearing the whole story. Slow down a little and your wit will carry you far.)",
    // 5 Rahu
    R"(Rahu - is basically known as the planet of success, though it is not a planet in the usual sense. It is the shadowy node that swallows the Sun and the Moon at an eclipse. For people born on Wednesday afternoon, Rahu brings ambition, bold schemes and sudden turns of fortune. You can rise fast from humble beginnings. Strange paths and foreign places attract you. Guard against restless craving and Rahu's gifts will last.)",
    // 6 Jupiter
    R"(Jupiter - the seventh planet as per the Burmese astrology, is the great teacher among the planets. It blesses Thursday's people with wisdom, good judgement and a love of learning. You are often sought out for advice, and many of you become teachers, monks or counsellors. Jupiter also brings steady good fortune in worldly matters.)",
    // 7 Venus
    R"(Venus - the fifth planet as per the Burmese astrology. Venus is the planet of love, beauty and art, and it gives Friday's people a gentle, affectionate heart. You have a fine sense of colour, music and style, and you make your surroundings pleasant wherever you settle. Romance plays a large part in your life. Beware of spending too freely on luxuries, and your life will be a happy and graceful one.)",
    // 8 Saturn
    R"(Saturn - the third planet as per the Burmese astrology. Saturn is the slow, stern planet of time, duty and discipline. It tests Saturday's people with delays and hardships early in life, but it rewards those who persevere. You learn from every setback and build your success step by step. Patience, thrift and a strong sense of responsibility are your hallmarks. Many of you reach your greatest achievements in middle age or later. Beware of gloom and needless worry.)",
};

// Houses 1..7 stored from index 0. Any of the seven planets can sit in any house, so each
// text speaks of what the house does to whatever planets it holds.
constexpr std::string_view kHouseTexts[] = {
    // 1 The House of Impermanence
    R"(As the name implies, planets placed in this house manifests themselves in an impermanent way. What they promise comes and goes like the passing clouds. Wealth may arrive suddenly and slip away just as fast, and friendships or posts may not last. A person with strong planets here should not count on luck alone. Accept change calmly and put something aside for the lean seasons.)",
    // 2 The House of Extremity
    R"(As the name implies, it is the house either of nothing or of everything. Life here seldom offers a middle way. Whoever has planets here may know great plenty at one time and real want at another. Moods and choices swing to the extremes too. The lesson of this house is moderation: avoid reckless gambles and keep a balance in work, pleasure and spending.)",
    // 3 House of Fame
    R"(As the name implies, this house is mainly concerned with a person's fate and fame and prosperity. Recognition, a good name and the favour of the mighty flow from the planets sitting here. Your work tends to be noticed, and honours may arrive without being sought. Whatever the planet here governs becomes the field in which your reputation grows. Use your standing to help others and your fame will never fade.)",
    // 4 House of Wealth
    R"(As the name implies, the House of Wealth is the house that takes care of your wealth, career and finances. Any planet lodged here works for your material comfort, favouring steady earnings, shrewd investments and a career that grows over the years. Property, land and savings are likely to increase. Money flows best when earned honestly and spent with thought, so never show off what you have.)",
    // 5 House van Kingly Position
    R"(House van Kingly Position is the house which shows the goals of a person. The planets standing here reveal what you aim for and how high you may climb. They favour authority, rank and the respect of others. People with strong planets in this house often hold office or run their own affairs. Set clear goals and never lose sight of them.)",
    // 6 The House of Sickly
    R"(The House of Sickly is one of the most difficult houses of the birth chart to deal with. Planets that fall here tend to show their weaker side, and they point to the parts of life where trouble gathers. Health is the first concern: watch for recurring illness, fatigue and the strain of overwork. Worries, debts and quarrels with neighbours may also come through this house. Regular rest, a simple diet and a quiet mind help to soften its effects. Many people have overcome this house through sensible habits and grown stronger for it.)",
    // 7 House of the Leader
    R"(As the name implies, this is the house of leadership. From its planets come the nerve to take charge and the ability to inspire others to follow. You may find yourself steering a family, a team or an entire community. Power brings responsibility, and this house asks you to lead by example, not by force. Fairness and a listening ear keep your followers loyal.)",
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
