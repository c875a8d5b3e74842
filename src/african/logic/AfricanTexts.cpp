#include "african/logic/AfricanTexts.h"

#include <cstddef>
#include <span>

namespace oriastra {

namespace {

// Sign table order, rows 0..11.
constexpr std::string_view kSignTexts[] = {
    // The Harvest In The Granary
    R"(The Harvest In The Granary symbolizes abundance that brings about security for the entire village. Born between the fourth of December and the third of January, as one year turns to the next, you think in seasons rather than days. You know to the last basket how long the stores will hold. No hungry guest is turned from your door, yet you lend seed only to those who will plant it. Your weakness is worry about the future, which can keep you from enjoying what you have gathered.)",
    // The Baobab Tree
    R"(The Baobabs are highly instinctive. It is your powerful and deep-reaching roots that let you survive where others wither. Like the great tree that stores water in its trunk through the dry season, you hold your strength in reserve for hard times. Others gather around you as villagers gather in the baobab's shade to talk and trade. You sum up a stranger in the first minute and are seldom wrong. When crossed, your mood can turn as bitter as bile, and it takes a slow season rather than a quick apology to sweeten it.)",
    // The Wealth Of Amber And Silver
    R"(The Wealth of Amber and Silvers are well-balanced folks. They weigh each choice with care and dislike extremes of any kind. You can tell true amber from resin and real silver from plate at a glance, and you would rather own one honest piece than a drawer of imitations. Amber and silver are treasures that last, and so are the friendships you make. In a quarrel you are the go-between both sides accept, because you hear each of them out. Noise, conflict and hurry fray your nerves more than hard work does, so you keep your own home calm.)",
    // The Family
    R"(Family natives are very communicative and easy going people. They love to be surrounded by relatives and friends and feel lost when alone for long. You know every cousin's name and who married whom, and you carry the news from one household to the next. Loyalty is your highest value, and you will defend your people against the whole world. A crowded table is where you breathe easiest, and you talk, sing and laugh at the top of your lungs. Weddings and naming days are your festivals, and you are often the one who plans them. Holding the clan together, you can forget you have needs of your own.)",
    // Small Services To The Neighborhood
    R"(The characteristic traits and the overall personality of the people born under this sign are shaped by a deep wish to be useful. They are the ones who mend a fence, carry water for an elder or look after a neighbour's children without being asked. You find meaning in small daily kindnesses rather than grand gestures, and your reward is the trust of the street you live on. You notice the loose roof tiles and the gate that will not shut before anyone else does. The danger is that a whole street comes to lean on one pair of hands, so let others carry a share of the load. In love you court with deeds: a door mended before the rains says more from you than any poem.)",
    // The Market
    R"(Market people are noted by the others for their calmness in the middle of bustle and noise. Like a busy marketplace, they are full of exchange, news and energy, and they thrive on haggling that tires others. You are a born trader who reads people and senses what they want before they have said it. Your voice is your tool, and you can persuade almost anyone with a well-chosen word. You know the price of millet in three villages, and news reaches your stall before it reaches the chief. Count your hours of rest as carefully as your coins, or a long season of calling out your wares will leave you hoarse and short-tempered.)",
    // The Ancestor
    R"(Ancestor is considered to be one of the richest African signs in wisdom and tradition. People born under it seem far older than their years, even in childhood. You remember the proverbs your grandparents loved and know which one suits the moment. Your advice is sought at every village council. Your head is full of questions about where your people came from, and you will travel far to hear an old story told right. Share your knowledge, for you are the link between generations.)",
    // The Judge
    R"(This sign if often depicted by a strong and deep-rooted sense of justice. Judge people cannot bear unfairness and will speak out against it even at some cost to themselves. You ask for evidence, not rumours, and no flattery can move a ruling of yours. Many of them make their mark in law, teaching and public life. Your standards are high, and you may be too hard on those who fail them. Learn to forgive a first offence.)",
    // The Kola Nut
    R"(Kola Nuts are the indispensable part of life who provide energy and friendship wherever they go. Just as the kola nut is shared to welcome guests and seal agreements, you bring people together. Like the nut that keeps a watchman awake, you outlast everyone. Your desire is strong and you do not hide it; a lukewarm lover will not hold you. At times you are so eager to please that you give up your opinions.)",
    // The Traveller
    R"(Characterized with an excellent combination of fluctuation and permanence, the Travellers are always on the move yet always return home. They love new roads and learn a phrase of every tongue they hear. You adapt quickly to strange places and make friends along the way. The stories and recipes you bring home are worth more than any goods. Long roads are hard on feet and knees, so you spend on sandals before clothes. Commitment comes hard to you; choose a partner who loves the open road too.)",
    // The Distance
    R"(Distance folks are passionate of almost everything in life. They gaze at far horizons and dream of what lies beyond them. When you love you give your heart wholly, even to someone far away. At times they can seem aloof, for they keep part of themselves at a distance. A broken trust wounds you for a long time, so you choose friends slowly.)",
    // The Child Of The World
    R"(The natives of The Child Of The World are highly idealistic and feel at home in any part of the world. They are curious, playful and filled with wonder, and they keep a childlike innocence throughout their lives. You pick up a new game, song or dialect as easily as any toddler does, and children adopt you within minutes. Routine and strict rules bore them, and they often follow a whim rather than a plan. A harsh word stings you as it would a small child, so choose friends who are gentle with you. Keep your wonder, but learn to test a promise before you rely on it.)",
};

}  // namespace

std::string_view AfricanSignText(int row) {
    const std::span<const std::string_view> table(kSignTexts);
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) {
        return {};
    }
    return table[static_cast<std::size_t>(row)];
}

}  // namespace oriastra
