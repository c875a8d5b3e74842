#include "indonesian/logic/WetonTexts.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

struct WetonRow {
    std::string_view weekday;
    std::string_view marketDay;
    std::string_view text;
};

constexpr std::array<std::string_view, 7> kWeekdayOrder = {"Minggu", "Senin", "Selasa", "Rabu",
                                                           "Kemis",  "Jumat", "Sabtu"};
constexpr std::array<std::string_view, 5> kMarketDayOrder = {"Legi", "Pahing", "Pon", "Wage",
                                                             "Kliwon"};

// Weekday order Minggu..Sabtu, market days Legi, Pahing, Pon, Wage, Kliwon within each. Some
// paragraphs spell Tuesday and Thursday "Salasa" and "Kamis"; the keys never do.
constexpr WetonRow kWetonRows[] = {
    // Minggu Legi
    {"Minggu", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(You are very secretive and introvert by nature. You disclose your real thoughts only to one or two people who have proven themselves over the years, and even they hear only part of the story. Minggu Legi folks carry the warmth of the Sunday sun inside, but they keep it behind a quiet face, and strangers often mistake them for cold or proud. Your kindness works in secret too: school fees slipped to a widow's child, and nobody is told who paid. Your Legi sweetness shows in the gentle way you treat the weak, the old and small children. Work that rewards discretion suits you: bookkeeping, research, archives or any trade where secrets must be kept. A suitor must wait long before you admit any feeling, and you test them with small confidences to see whether they repeat them. Whoever passes that test is given what nobody else receives: the rest of the story.)")},
    // Minggu Pahing
    {"Minggu", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(According to the myths and legends of the Java people, a child born on Minggu Pahing arrives with a little fire in the blood. Pahing is the red market day of the south, and it gives these folks a hot temper, a firm will and a hunger to own land, a house or a business with their name on it. Renting never feels right; you would rather ride far to work from land of your own. A quarrel with you is loud and short: you shout over the fence at sunrise and send that neighbour a plate of fried bananas by evening. You are proud to serve guests rice from your own field.)")},
    // Minggu Pon
    {"Minggu", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(You are a sensitive, emotional and a soft-hearted person. Born with feelings that pick up every change of mood, you know who has quarrelled in a house before anyone says a word. A harsh word can spoil your whole week, while a small kindness can lift you for days. Minggu Pon people are moved to tears by music, old songs and stories of hardship, and many of them have a real gift for painting, dancing or gamelan. An evening at the drum or the easel settles you better than a long talk. A clever cousin can empty your purse with one tearful tale, so ask a level-headed friend before you lend. The partner who suits you is calm and not easily upset, someone who can hear you cry without panic and still cook supper.)")},
    // Minggu Wage
    {"Minggu", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(You are a kind, generous and a compassionate person by nature. Minggu Wage folks keep an open door and a full pot of rice, and no guest leaves their house hungry. You cannot pass a beggar, a stray cat or a lost child without stopping to help. Money slips through your generous fingers, and you may reach middle age with many friends but few savings. Let your spouse hold the household purse, for cash kept by you becomes a neighbour's medicine within a week. Nursing, the village health post and a relief kitchen suit you. Old favours often come back when you need them most. At your own feasts the family eats last, because guests are always served first.)")},
    // Minggu Kliwon
    {"Minggu", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(Like the Minggu Legi folks, you are also a quiet person, but your silence has a different source. Where they hide their feelings, you are simply listening to something others cannot hear. Kliwon, the market day of the centre, is held sacred in Java, and those it touches are said to have one foot in the unseen world. You may wake from a dream knowing who will visit that day. Many Minggu Kliwon people are drawn to herbal jamu and the healing arts, and a feverish child often settles under your hand. Friends bring you their troubles, for you calm them without saying much. Loud weddings tire you; an hour alone by the river restores you.)")},
    // Senin Legi
    {"Senin", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(You are just the opposite of Minggu Legi folks. Senin Legi people say what they feel the moment they feel it. You love company, chatter and laughter, and the party starts when you arrive. The sweetness of Legi gives you a pleasant voice and easy charm, so you are a natural at selling in the market or singing at a wedding. The weak point is your tongue: a secret told to you rarely stays secret past the next meal, and a careless joke can hurt more than you mean. Before you pass on news, ask whether the person it concerns would be glad to hear you telling it. You fall in love fast and openly, and the whole street soon knows your sweetheart's name.)")},
    // Senin Pahing
    {"Senin", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(Senin Pahing fellows are often referred to as the 'rough diamonds' of the Javanese calendar. Their manners are blunt, their voices loud and their jokes a little coarse, yet underneath lies a heart of great worth. You are a tireless worker who would rather lift a heavy load than talk about lifting it. Farming, building, driving and every trade that uses the hands suit you well, and you take quiet pride in a job finished properly. Your hands know more than books do: you can judge soil by crumbling it and a bamboo pole by tapping on it. Polite people may wince at first, but those who stay discover a friend who will walk for miles to help them. Shy with sweet words, you show your love by mending the roof or bringing home a bag of rice.)")},
    // Senin Pon
    {"Senin", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(Born on Senin Pon you are unpredictable and contradictory in your ways. At the start of the week you may be generous and merry, and by its end tight-fisted and withdrawn, without knowing why. The Monday moon waxes and wanes in you, and Pon, the yellow day of the west, adds a love of soft beds. Friends never know which version of you will appear, which makes them cautious. Yet your changeable mind is also inventive; you see several sides of a problem and find answers that steadier people miss. You may change jobs and homes more often than most. Keep a diary of your moods; you may find they follow the moon closely.)")},
    // Senin Wage
    {"Senin", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(Senin Wage people are direct, outspoken, extrovert and express their views without waiting to be asked. You cannot stand hypocrisy, and you will point out a wrong even when the person at fault is your boss or your elder. This courage makes you a good spokesman for neighbours who are too timid to complain, and many of these folks end up as village heads, lawyers or union leaders. Where others soften every refusal, you say a plain no, and elders are unsure whether to scold or admire you. A complaint set down in writing often gets further than your raised voice. Your children learn at your table that a question is never rude, and they grow up unafraid to speak up in class.)")},
    // Senin Kliwon
    {"Senin", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(Family and friends are your first and foremost priorities. People born on Senin Kliwon are the ones who remember every relative's weton, keep the family graves swept and see that the slametan feast is held on time. You feel responsible for everyone under your roof and many beyond it. Kliwon's mystic touch tells you when a relative is in trouble, often before the news arrives. You are protective, sometimes to the point of meddling, and your grown children may need you to step back. Keep one evening a week for a class or a craft of your own, and let the family cook. In old age these folks are honoured as the heart of the clan, and their houses fill with grandchildren.)")},
    // Selasa Legi
    {"Selasa", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(The Selasa Legi folks are well-known for their strong, firm principles, yet they defend them with a smile rather than a fist. You decide early in life what is right and what is wrong, and no amount of money or flattery will move you from that line. What makes you unusual is the sweetness that Legi adds: you can refuse a bribe, correct a cheat or say no to a powerful official so politely that he thanks you afterwards. This weton gives Java many of its teachers, judges, religious leaders and respected village elders. Your weakness is a certain rigidity; once you have judged someone, it is hard for you to change your view, even after they have changed. Worry settles in your stomach: before a hard meeting you cannot eat, and after it you are suddenly hungry. You choose a spouse by watching how the person treats a waiter, and once married you keep every vow. Now and then, share a meal with someone you once judged harshly.)")},
    // Selasa Pahing
    {"Selasa", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(Selasa Pahing folks are basically sweet natured, easy going and slow to take offence. You would rather laugh off an insult than start a quarrel, and one dry joke from you can cool a tense debate. Beneath the calm, Pahing hides a stubborn streak that appears only when someone threatens your family or your land. Then the easy-going fellow becomes an immovable wall. Simple pleasures content you: strong coffee, a garden, a nap.)")},
    // Selasa Pon
    {"Selasa", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(The Salasa Pon folks are well-known for their strong, firm sense of dignity. They dress neatly, talk with care and expect to be treated with respect, and they give the same respect to others. Pon brings a love of status and fine things, so you work hard to build a name that your children can be proud of. Even at home you are seldom seen in a crumpled shirt, and a guest who arrives unannounced may wait while you change. Banks, courts and offices where forms must be exact suit you well. In your house even toddlers greet guests properly and sit straight. A friend who teases you gently, with no audience, is worth more than ten who flatter.)")},
    // Selasa Wage
    {"Selasa", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(The Selasa Wage folks are well-known for their strong, firm bodies and their stamina. Long days in the rice field, the workshop or the market hardly tire them, and many practise pencak silat or football well into middle age. You are persistent to the point of stubbornness; once you have started a task, you will see it through even if the whole village tells you it is hopeless. That endurance often pays off, and these folks build up property slowly through sheer effort. Jealousy is your weakness, both in love and in business, and a rival's success can gnaw at you. Compare this year's harvest with your own from last year, not with your neighbour's. Do not ignore small aches, for you tend to work straight through illness.)")},
    // Selasa Kliwon
    {"Selasa", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(You are born a friendly person with a sweet and persuasive tongue. People warm to you at once, and you can talk an angry crowd into calm or a stubborn buyer into a bargain. In Java the eve of Selasa Kliwon is a holy night, and a child born then is said to carry a blessing, or a heavy duty to use their gifts well. Many keep the old fasts, living for days on rice and water only. Your charm attracts followers, so be careful where you lead them. Money comes to you through people rather than hard labour, as a broker, a matchmaker or a seller of land. A promise you break travels far, for many heard you make it.)")},
    // Rabu Legi
    {"Rabu", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(Rabu Legi fellows are the strict followers of the social rules and customs of their community. They know which level of Javanese to use with an elder, how a guest should be received and what gift suits a wedding, and they are quietly pained when others get it wrong. You are polite, punctual and reliable, so neighbours ask you to arrange their ceremonies and family feasts. New ways make you uneasy, and you may frown upon the habits of the young. Remember that customs were once new too. The grandchildren learn the old songs and prayers from you.)")},
    // Rabu Pahing
    {"Rabu", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(You are secretive and introvert by nature. You disclose yourself, your plans and above all your savings to nobody until the deal is done. Rabu Pahing people are shrewd planners who act from behind the curtain, and rivals are often surprised by what you have quietly built. Mercury, the planet of Wednesday, makes you quick with figures, and you deal ably in land, gold or goods, buying when others panic to sell. Tell your spouse at least where the land papers are kept; a secret that dies with you can cost your children dearly.)")},
    // Rabu Pon
    {"Rabu", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(Rabu Pon folks are born as lucky individuals. You are the kind who finds a lost ring in the sand, wins a raffle and meets a future boss on the bus. Doors open for you easily, partly by fortune and partly through your cheerful air. Your luck has a blind spot: at cards and in get-rich schemes it fails you as it fails others. Friends take you along to job interviews and house viewings, half joking that you bring them luck.)")},
    // Rabu Wage
    {"Rabu", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(You are good hearted and friendly by nature. You love harmony above almost everything, and you will swallow your complaints to keep a family gathering peaceful. Rabu Wage folks make fine go-betweens; in the old days they would have arranged marriages and settled disputes over field boundaries. Seeing the good in everyone, you find it painful to take sides, and both parties in a quarrel may leave believing you agreed with them. Stronger characters sometimes use this, pushing you to sign or agree before you are ready. Swallowed complaints do not vanish; they tend to return as headaches or heavy tiredness after family visits. Mediation, counselling and village dispute committees are natural work for you, provided someone else is left to deliver the final ruling and bear the anger it brings.)")},
    // Rabu Kliwon
    {"Rabu", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(Rabu Kliwon folks think more and act less. They spend long evenings turning a single question over and over, and their conclusions are often deeper than anyone else's. Kliwon lends you an inward, searching mind that is drawn to philosophy, scripture and the hidden meaning of things. You make a fine scholar or adviser. The trouble is that good chances may pass while you are still thinking. Give yourself a deadline for every decision. Your notebooks fill up unread; one student or a study circle gives them a home.)")},
    // Kemis Legi
    {"Kemis", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(Kamis Legi folks generally live in their lofty visions and noble causes. They picture a fairer village, a cleaner river, a school where none yet stands, and they talk about it so warmly that others catch the fire. Jupiter, the planet of Thursday, gives you a hopeful view, and people follow you into work they would not start alone. Practical details bore you, so you leave the budget and permits to others. Find a down-to-earth partner who can turn your visions into bricks and schedules. You are often poorer than the projects you start. When a plan fails, you mourn briefly, then dream up a better one.)")},
    // Kemis Pahing
    {"Kemis", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(You are ambitious and determined. You are so very used to getting your own way that defeat strikes you like an insult. Kemis Pahing folks climb fast in business, politics and sport, driven by the heat of Pahing and a keen competitive eye. You set a target, gather allies and push hard until it is reached. You love any scoreboard: sales figures, votes or rankings. Real success for you includes a few friends who do not work for you.)")},
    // Kemis Pon
    {"Kemis", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(You are born with high ideals and respectable goals. You want a good education, a steady job and a reputation your parents can boast about at every family gathering. Kemis Pon people set themselves strict rules of conduct and keep them, which earns them trust in government, medicine and teaching. Diplomas hang framed on your wall, and you study long after school. You can be hard on those who fall short of your standards, and on yourself most of all. Tell your children you are proud of them.)")},
    // Kemis Wage
    {"Kemis", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(Kemis Wage people are the well-known dreamers of the zodiac. Your head is full of songs, stories and pictures, and you may drift off mid-conversation to follow one. Wayang tales, batik patterns and poems often come to you half-finished in the night, so keep a lamp and paper by the bed. Practical life is harder: you lose keys, forget to pay bills and arrive late at meetings with a charming apology. You are a romantic and faithful lover, though you sometimes love an idea of a person more than the person. Keep your old drafts, since your best pieces are often finished years after they were started, once the idea finds its shape.)")},
    // Kemis Kliwon
    {"Kemis", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(You always plan to get the big things of life. A modest salary and a small house will never satisfy Kemis Kliwon folks; they dream of a large estate, a thriving business or a name remembered long after they are gone. With Kliwon's sharp intuition you often sense the right moment to buy, build or move, and your bold bets can pay off richly. Yet you also risk more than is wise, and your life may swing between plenty and want. Keep a reserve you never touch. You are generous when rich, paying for a niece's wedding or a mosque's roof. In lean years you sell the car, never the land. Your plans are often too large for one lifetime, so write them down for your children.)")},
    // Jumat Legi
    {"Jumat", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(Jumat Legi folks are well known for their honesty and their devotion. Friday prayer and Legi sweetness pull you toward a simpler life. You keep your promises, pay your debts on time and return change when a shopkeeper gives too much. Such sincerity wins you trust, and people leave their children, their keys and their secrets in your care. Duties at the house of worship, from sweeping the yard to leading prayer, often fall to you. You can be naive about those who lack your scruples. Be kind, but read the contract before you sign it.)")},
    // Jumat Pahing
    {"Jumat", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(You are a communicative person with an honest heart and a lively voice. Jumat Pahing people love to tell stories, pass on news and explain things, and they shine as traders, radio hosts, reporters and guides. You can explain a bus route, a recipe or a law so clearly that a child could follow it. Pahing's heat shows in debate: a chat about sport can become a shouting match. Let a critic finish speaking before you answer. Your phone holds more contacts than anyone's in the family.)")},
    // Jumat Pon
    {"Jumat", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(According to the myth of Javanese astrology, Jumat Pon people are blessed with a cool head and a gift for growing things. Chillies and orchids thrive in your care, and neighbours bring you sick plants. When a pan catches fire, you act first, speaking softly. Your fortune tends to ripen in middle age, after years of steady work. Do not envy faster friends; your harvest will come.)")},
    // Jumat Wage
    {"Jumat", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(Jumat Wage folks are well known for their honesty and their thrift. They mend rather than replace, save a little from every wage and would sooner eat plain rice than take a loan. Employers trust them with the cash box, and many serve as treasurers of mosques, co-operatives and village funds. You build your home one room at a time, paying cash for every bag of cement, living in it as it grows. The same caution can become stinginess, and your family may wish you would sometimes spend on a treat. New shoes for a child's birthday will not ruin you. In friendship you are quiet but reliable, and you never forget a loan, whether you gave or received it.)")},
    // Jumat Kliwon
    {"Jumat", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(It is your patience and generosity that makes people like you so much. You sit with the sick and lend your best sarong without asking for it back. The eve of Jumat Kliwon is the most sacred night of the Javanese week, and folk belief gives those born on it a close bond with the spirit world. Friends seek your blessing before long journeys. Old wells and empty houses never frighten you; you greet them politely.)")},
    // Sabtu Legi
    {"Sabtu", "Legi",
     ORIASTRA_TEXT("WetonTexts", R"(Born under this sign of Javanese astrology, you are a natural organiser with a gentle touch. Sabtu Legi people like order, clear plans and work done on time, yet they guide others with patience instead of shouting. You make a good foreman, headmaster or head of a family, and your juniors remember you fondly for years. Responsibility comes to you early, often as the eldest child or the one who cares for ageing parents. You rarely complain, but you do tire. Let a younger sibling or a deputy run things for a week now and then; they learn, and you sleep.)")},
    // Sabtu Pahing
    {"Sabtu", "Pahing",
     ORIASTRA_TEXT("WetonTexts", R"(You are a real stubborn and red-head fellow! But quite a fair one, for your anger is always aimed at injustice rather than at the weak. Sabtu Pahing people carry the red fire of Pahing and the heavy will of Saturday, and once they dig in their heels, nothing moves them. In a flood or fire you run toward danger while others run away. Soldiers, policemen and firefighters are often born on this weton. Saturn, the slow planet of Saturday, makes you patient in a long fight for a wrong done to your family. The old and young of your street know whose door to run to in trouble.)")},
    // Sabtu Pon
    {"Sabtu", "Pon",
     ORIASTRA_TEXT("WetonTexts", R"(You are an egoistic person with a high self-respect. You like to be seen, praised and consulted, and you feel slighted when a decision is made without you. Sabtu Pon people often become performers, speakers or heads of organisations, for they love a crowd. You have good taste and spend freely on clothes, cars and a handsome house. Criticism stings you deeply, even when old friends offer it kindly. Too proud to apologise, you may let quarrels drag on for years. Beware of flatterers: a rival who praises you in public can win favours that a friend asking in private never could.)")},
    // Sabtu Wage
    {"Sabtu", "Wage",
     ORIASTRA_TEXT("WetonTexts", R"(You are 'forceful' and 'dynamic'. The Sabtu Wage folks are always on the move, starting a shop here, a workshop there and a new venture before the last one is finished. Many of these folks leave their home village to seek their fortune in Jakarta, Surabaya or abroad, and they usually come back with something to show for it. You sell, hire and bargain at speed, often on the phone while you eat. Slower people may feel pushed aside, and your family may complain that they hardly see you. When a venture fails, you sell the stock, pay the workers and open something new within the month. Slow down on Saturdays, and spend the day with the family you are working so hard for.)")},
    // Sabtu Kliwon
    {"Sabtu", "Kliwon",
     ORIASTRA_TEXT("WetonTexts", R"(You are an overall impressive personality. It is because of a certain quiet authority, which the Javanese call wibawa, that people fall silent when you enter a room. Sabtu Kliwon folks rarely need to raise their voices; a look is usually enough. The strength of Saturday and the mystic depth of Kliwon combine in you, and many sense your words carry a weight beyond ordinary speech. You are often chosen to lead, to judge or to bless a new undertaking. Such respect can isolate you, since few dare tell you the plain truth. Keep one friend who will argue with you. Your silences are read as verdicts, so say it clearly when you simply have no opinion.)")},
};

// A pair's row is found by the places of its two names, so the rows must keep that order.
constexpr bool RowsInOrder() {
    std::size_t row = 0;
    for (const std::string_view weekday : kWeekdayOrder) {
        for (const std::string_view market : kMarketDayOrder) {
            if (kWetonRows[row].weekday != weekday || kWetonRows[row].marketDay != market) {
                return false;
            }
            ++row;
        }
    }
    return row == std::size(kWetonRows);
}
static_assert(RowsInOrder());

}  // namespace

std::string_view WetonText(std::string_view javaneseWeekday, std::string_view marketDay) {
    const auto weekday = std::find(kWeekdayOrder.begin(), kWeekdayOrder.end(), javaneseWeekday);
    const auto market = std::find(kMarketDayOrder.begin(), kMarketDayOrder.end(), marketDay);
    if (weekday == kWeekdayOrder.end() || market == kMarketDayOrder.end()) return {};
    const auto row =
        static_cast<std::size_t>(weekday - kWeekdayOrder.begin()) * kMarketDayOrder.size() +
        static_cast<std::size_t>(market - kMarketDayOrder.begin());
    return Translated("WetonTexts", kWetonRows[row].text);
}

}  // namespace oriastra
