#include "african/logic/AfricanTexts.h"

#include <cstddef>
#include <span>

namespace oriastra {

namespace {

// Sign table order, rows 0..11.
constexpr std::string_view kSignTexts[] = {
    // The Harvest In The Granary
    R"(The Harvest In The Granary symbolizes abundance that brings about security for the entire village. Those born under it are providers by nature. You work hard in the season of plenty so that nobody goes hungry during the lean months, and you feel happiest when the stores are full. Practical and careful with their money, they are still generous with food and lodging. Your weakness is worry about the future, which can keep you from enjoying the harvest you have already gathered.)",
    // The Baobab Tree
    R"(The Baobabs are highly instinctive. It is your powerful and deep-reaching roots that let you survive where others wither. Like the great tree that stores water in its trunk through the dry season, you hold your strength in reserve and draw on it when times are hard. Baobab people are sociable and good-humoured, and others gather around them as villagers gather in the tree's shade. They trust first impressions and are seldom wrong about people. You can be moody, though, and need quiet time to recover your balance.)",
    // The Wealth Of Amber And Silver
    R"(The Wealth of Amber and Silvers are well-balanced folks. They weigh each choice with care and dislike extremes of any kind. You have refined taste and appreciate beautiful things, fine craftsmanship and good manners. Amber and silver are treasures that last, and so are the friendships you make. Able to see both sides of every dispute, they make good diplomats and trusted advisers. Your nerves are delicate, so noise, conflict and hurry tire you more than hard work does. A calm, orderly home restores you and keeps your judgement clear.)",
    // The Family
    R"(Family natives are very communicative and easy going people. They love to be surrounded by relatives and friends and feel lost when alone for long. You are the one who remembers birthdays, settles quarrels and keeps everyone in touch. Loyalty is your highest value, and you will defend your people against the whole world. These folks are dependable and down to earth, and they build their lives on solid ground. Traditions matter to you, and you love passing stories and customs on to the young. Sometimes you give so much that you forget your own needs. Learn to say no now and then without guilt.)",
    // Small Services To The Neighborhood
    R"(The characteristic traits and the overall personality of the people born under this sign are shaped by a deep wish to be useful. They are the ones who mend a fence, carry water or look after a neighbour's children without being asked. You find meaning in the small daily kindnesses rather than grand gestures, and your reward is the trust of those around you. Modest and practical, such people have no wish to show off. You work quietly, and your efforts often go unnoticed until you are absent. Others may take advantage of your good nature, so choose wisely whom you serve. In love you are faithful and attentive, and you show affection through deeds more than words.)",
    // The Market
    R"(Market people are noted by the others for their calmness in the middle of bustle and noise. Like a busy marketplace, they are full of exchange, news and energy, yet keep a clear head while bargaining. You are a born trader who reads people and senses what they want. Your voice is your tool, and you can persuade almost anyone with a well-chosen word. Variety delights them, and they enjoy meeting strangers daily. They are generous when a deal goes well and share their good fortune freely. Your fiery ambition can make you restless, and you may chase profit at the cost of rest. Balance is the key to your long-term success.)",
    // The Ancestor
    R"(Ancestor is considered to be one of the richest African signs in wisdom and tradition. People born under it seem older than their years, even in childhood. You respect the past and learn from those who came before you. These natives are thoughtful, reserved and slow to trust, but their advice is valued by all. They think deeply before they speak. Your mind is always busy, and too much worry can give you headaches. Share your knowledge, for you are the link between generations.)",
    // The Judge
    R"(This sign if often depicted by a strong and deep-rooted sense of justice. Judge people cannot bear unfairness and will speak out against it even at some cost to themselves. You weigh evidence carefully and are respected for your honest opinions. Many of them make their mark in law, teaching and public life. Your standards are high, and you may be too hard on those who fail them. Mercy is the great lesson of your life.)",
    // The Kola Nut
    R"(Kola Nuts are the indispensable part of life who provide energy and friendship wherever they go. Just as the kola nut is shared to welcome guests and seal agreements, you bring people together. Sturdy and reliable, Kola Nut people are bursting with vitality. Your passion for life and love is strong and plain to see. At times you are too eager to please, and you may find it hard to keep your own opinions.)",
    // The Traveller
    R"(Characterized with an excellent combination of fluctuation and permanence, the Travellers are always on the move yet always return home. They love new roads and new languages, and they learn from every journey. You adapt quickly to strange places and make friends along the way. Curiosity guides you. These folks are open-minded and tolerant, and they bring back ideas that enrich their communities. Your restless spirit makes commitment hard, so find a partner who shares your love of the road.)",
    // The Distance
    R"(Distance folks are passionate of almost everything in life. They gaze at far horizons and dream of what lies beyond them. You are romantic, and when you love you give your heart completely. At times they can seem aloof, for they keep part of themselves at a distance. A broken trust wounds you for a long time, so you choose friends slowly.)",
    // The Child Of The World
    R"(The natives of The Child Of The World are highly idealistic and feel at home in any part of the world. They are curious, playful and filled with wonder, and they keep a childlike innocence throughout their lives. You believe in the goodness of humankind and hope for a better future. Your enthusiasm is catching, and you inspire others to dream big. Routine and strict rules bore them, and they often follow their hearts instead of their heads. You are easily hurt and need gentle, encouraging friends. Learn to shield yourself without losing your open, trusting nature.)",
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
