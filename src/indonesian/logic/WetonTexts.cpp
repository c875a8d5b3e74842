#include "indonesian/logic/WetonTexts.h"

namespace oriastra {

namespace {

struct WetonRow {
    std::string_view weekday;
    std::string_view marketDay;
    std::string_view text;
};

// Weekday order Minggu..Sabtu, market days Legi, Pahing, Pon, Wage, Kliwon within each. Some
// paragraphs spell Tuesday and Thursday "Salasa" and "Kamis"; the keys never do.
constexpr WetonRow kWetonRows[] = {
    // Minggu Legi
    {"Minggu", "Legi",
     R"(You are very secretive and introvert by nature. You disclose your real thoughts only to one or two people who have proven themselves over the years, and even they hear only part of the story. Minggu Legi folks carry the warmth of the Sunday sun inside, but they keep it behind a quiet face, and strangers often mistake them for cold or proud. In truth, you feel everything deeply and remember every kindness you have ever received. Your Legi sweetness shows in the gentle way you treat the weak, the old and small children. You think long before you speak, and when you finally give an opinion it is worth hearing. Work that rewards discretion suits you: bookkeeping, research, archives or any trade where secrets must be kept. In love you are slow to begin but faithful to the very end. Let a few more people in, and you will find the world kinder than you fear.)"},
    // Minggu Pahing
    {"Minggu", "Pahing",
     R"(According to the myths and legends of the Java people, a child born on Minggu Pahing arrives with a little fire in the blood. Pahing is the red market day of the south, and it gives these folks a hot temper, a firm will and a hunger to own land, a house or a business with their name on it. You work hard for what you want and seldom ask for help. When someone crosses you, you flare up quickly, yet you are just as quick to make peace once you have been heard. Your friends value your frankness, and your family knows that in a crisis you will be the first to act.)"},
    // Minggu Pon
    {"Minggu", "Pon",
     R"(You are a sensitive, emotional and a soft-hearted person. Born on a Sunday that meets Pon, you feel the moods of a room the moment you enter it. A harsh word can spoil your whole week, while a small kindness can lift you for days. Minggu Pon people are moved to tears by music, old songs and stories of hardship, and many of them have a real gift for painting, dancing or gamelan. Your heart is open to anyone who comes to you in trouble, and sadly some take advantage of that. Learn to say no without feeling guilty. Your moods rise and fall like the tide, so give yourself quiet hours to settle. A patient, steady partner brings out the best in you, and in return you offer a devotion that never counts the cost.)"},
    // Minggu Wage
    {"Minggu", "Wage",
     R"(You are a kind, generous and a compassionate person by nature. Minggu Wage folks keep an open door and a full pot of rice, and no guest leaves their house hungry. You cannot pass a beggar, a stray cat or a lost child without stopping to help. Money slips through your generous fingers, and you may reach middle age with many friends but few savings. Put something aside each month, however little. Nursing, teaching, social work and any job serving the public bring out your gifts. People trust you by instinct, and favours you did long ago often return to you when you need them most. In marriage you are tender and forgiving, sometimes more than is wise.)"},
    // Minggu Kliwon
    {"Minggu", "Kliwon",
     R"(Like the Minggu Legi folks, you are also a quiet person, but your silence has a different source. Where they hide their feelings, you are simply listening to something others cannot hear. Kliwon, the market day of the centre, is held sacred in Java, and those it touches are said to have one foot in the unseen world. Your dreams are vivid and sometimes come true, and your hunches about people are rarely wrong. Many Minggu Kliwon people are drawn to meditation, old texts and the traditional healing arts. Friends bring you their troubles, for you calm them without saying much. Guard your energy, for crowds and noise drain you quickly.)"},
    // Senin Legi
    {"Senin", "Legi",
     R"(You are just the opposite of Minggu Legi folks. Senin Legi people wear their hearts on their sleeves and say what they feel the moment they feel it. You love company, chatter and laughter, and no gathering feels complete until you arrive. The sweetness of Legi gives you a pleasant voice and easy charm, so you are a natural at selling, hosting and making peace between quarrelling neighbours. The weak point is your tongue: a secret told to you rarely stays secret for long, and a careless joke can hurt more than you mean. Think twice before repeating what you hear. In love you are affectionate and playful, and your home is always full of visitors.)"},
    // Senin Pahing
    {"Senin", "Pahing",
     R"(Senin Pahing fellows are often referred to as the 'rough diamonds' of the Javanese calendar. Their manners are blunt, their voices loud and their jokes a little coarse, yet underneath lies a heart of great worth. You are a tireless worker who would rather lift a heavy load than talk about lifting it. Farming, building, driving and every trade that uses the hands suit you well, and you take quiet pride in a job finished properly. You are careful with money and deeply distrust anyone who offers quick riches. Some people are put off by your gruff first impression, but those who stay discover a loyal friend who will walk for miles to help them. Shy with sweet words, you show your love by mending the roof or bringing home a bag of rice.)"},
    // Senin Pon
    {"Senin", "Pon",
     R"(Born on Senin Pon you are unpredictable and contradictory in your ways. On Monday you may be generous and merry, and by Thursday tight-fisted and withdrawn, without knowing why. The Monday moon rules your changing tides, and Pon adds a taste for comfort and good appearance. Friends never know which version of you will appear, which makes them cautious. Yet your changeable mind is also inventive; you see several sides of a problem and find answers that steadier people miss. You may change jobs and homes more often than others. A simple daily routine and a patient partner help you turn restlessness into creativity.)"},
    // Senin Wage
    {"Senin", "Wage",
     R"(Senin Wage people are direct, outspoken, extrovert and express their views without waiting to be asked. You cannot stand hypocrisy, and you will point out a wrong even when the person at fault is your boss or your elder. This courage makes you a good spokesman for neighbours who are too timid to complain, and many of these folks end up as village heads, lawyers or trade union men. The same frankness earns you enemies, especially among those who prefer polite silence. Learn when a soft word will win more than a hard one. At home you are lively and loud, fond of a good debate at the dinner table. Your honesty is your treasure; people always know where they stand with you.)"},
    // Senin Kliwon
    {"Senin", "Kliwon",
     R"(Family and friends are your first and foremost priorities. People born on Senin Kliwon are the ones who remember every birthday, keep the family graves swept and see that the slametan feast is held on time. You feel responsible for everyone under your roof and for many more who are not. Kliwon's mystic touch tells you when a relative is in trouble, often before the news arrives. You are protective, sometimes to the point of meddling, and your grown children may need you to step back. Your own wishes tend to wait at the end of the line; do not forget them entirely. In old age these folks are honoured as the heart of the clan, and their houses fill with grandchildren.)"},
    // Selasa Legi
    {"Selasa", "Legi",
     R"(The Selasa Legi folks are well-known for their strong, firm principles, yet they defend them with a smile rather than a fist. You decide early in life what is right and what is wrong, and no amount of money or flattery will move you from that line. What makes you unusual is the sweetness that Legi adds: you can refuse a bribe, correct a cheat or say no to a powerful official so politely that he thanks you afterwards. This weton gives Java many of its teachers, judges, religious leaders and respected village elders. Your weakness is a certain rigidity; once you have judged someone, it is hard for you to change your view, even after they have changed. You tend to carry other people's worries in your stomach and shoulders, so regular rest and simple meals matter. In love you want a partner who shares your values, and you stay faithful for life. Soften your judgments a little, and your wisdom will reach even more people.)"},
    // Selasa Pahing
    {"Selasa", "Pahing",
     R"(Selasa Pahing folks are basically sweet natured, easy going and slow to take offence. You would rather laugh off an insult than start a quarrel, and neighbours enjoy your company. Beneath the calm, Pahing hides a stubborn streak that appears only when someone threatens your family or your land. Then the easy-going fellow becomes an immovable wall. Simple pleasures content you: black coffee, a garden, a long nap after lunch.)"},
    // Selasa Pon
    {"Selasa", "Pon",
     R"(The Salasa Pon folks are well-known for their strong, firm sense of dignity. They dress neatly, talk with care and expect to be treated with respect, and they give the same respect to others. Pon brings a love of status and fine things, so you work hard to build a name that your children can be proud of. Offices, banks and government service suit you, for you are orderly and exact with papers and rules. You seldom forgive anyone who shames you in public, and pride makes it hard to admit a mistake. Salasa Pon people are careful parents and thrifty householders. Learn to laugh at yourself now and then; it will not cost you your standing.)"},
    // Selasa Wage
    {"Selasa", "Wage",
     R"(The Selasa Wage folks are well-known for their strong, firm bodies and their stamina. Long days in the rice field, the workshop or the market hardly tire them, and many practise pencak silat or football well into middle age. You are persistent to the point of stubbornness; once you have started a task, you will see it through even if the whole village tells you it is hopeless. That endurance often pays off, and these folks build up property slowly through sheer effort. Jealousy is your weakness, both in love and in business, and a rival's success can gnaw at you. Learn to measure yourself against your own past rather than against your neighbours. Do not ignore small aches, for you tend to work straight through illness.)"},
    // Selasa Kliwon
    {"Selasa", "Kliwon",
     R"(You are born a friendly person with a sweet and persuasive tongue. People warm to you at once, and you can talk an angry crowd into calm or a stubborn buyer into a bargain. In Java the eve of Selasa Kliwon is one of the holy nights of the calendar, and a child born then is believed to carry a special blessing, or a heavy duty to use their gifts well. Many of these folks are drawn to prayer, fasting and the old spiritual disciplines. Your charm attracts followers, so be careful where you lead them. Money comes to you through people rather than hard labour. Keep your promises, for your word is your fortune.)"},
    // Rabu Legi
    {"Rabu", "Legi",
     R"(Rabu Legi fellows are the strict followers of the social rules and customs of their community. They know which level of Javanese to use with an elder, how a guest should be received and what gift suits a wedding, and they are quietly pained when others get it wrong. You are polite, punctual and reliable, so neighbours ask you to arrange their ceremonies and family feasts. New ways make you uneasy, and you may frown upon the habits of the young. Remember that customs were once new too. Your steady kindness makes you a beloved spouse and parent.)"},
    // Rabu Pahing
    {"Rabu", "Pahing",
     R"(You are secretive and introvert by nature. You disclose yourself, your plans and above all your savings to nobody until the deal is done. Rabu Pahing people are shrewd planners who act from behind the curtain, and rivals are often surprised by what you have quietly built. Pahing sharpens your appetite for property, and you deal ably in land, gold or goods. Your caution protects you from swindlers, but it can leave your partner shut out of family decisions. Share a little more at home, and your success will feel less lonely.)"},
    // Rabu Pon
    {"Rabu", "Pon",
     R"(Rabu Pon folks are born as lucky individuals. You are the kind who finds a lost ring in the sand, wins a raffle and meets a future employer on the bus. Doors open for you easily, partly by fortune and partly through your cheerful air. The danger is that you come to rely on luck rather than effort. Fortune favours you most when you meet it halfway with real work. Share your good luck generously, and it will keep flowing.)"},
    // Rabu Wage
    {"Rabu", "Wage",
     R"(You are good hearted and friendly by nature. You love harmony above almost everything, and you will swallow your complaints to keep a family gathering peaceful. Rabu Wage folks make fine go-betweens; in the old days they would have arranged marriages and settled disputes over field boundaries. Seeing the good in everyone, you struggle to take sides, and decisions may drag on for weeks while you weigh each person's feelings. Stronger characters sometimes use this, so learn to trust your own judgment. You are slow to start but steady once moving, and the patience of Wage helps you finish long tasks that others abandon. As a spouse you are gentle and loyal, happiest with a partner who enjoys calm evenings at home. Speak your mind a little more often; the people who love you want to hear it.)"},
    // Rabu Kliwon
    {"Rabu", "Kliwon",
     R"(Rabu Kliwon folks think more and act less. They spend long evenings turning a single question over and over, and their conclusions are often deeper than anyone else's. Kliwon lends you an inward, searching mind that is drawn to philosophy, scripture and the hidden meaning of things. You make a fine scholar, writer or adviser. The trouble is that good chances may pass while you are still thinking. Give yourself a deadline for every decision. Those close to you admire your wisdom and wish you would share it more.)"},
    // Kemis Legi
    {"Kemis", "Legi",
     R"(Kamis Legi folks generally live in their lofty visions and noble causes. They picture a fairer village, a cleaner river, a school where none yet stands, and they talk about it so warmly that others catch the fire. Legi's sweetness gives you a gifted tongue, so you make a natural preacher or teacher. Practical details bore you, however, and you may leave the budget, the permits and the hard labour to others. Find a down-to-earth partner who can turn your visions into bricks and schedules. You are honest, kind and generous to a fault. When a plan fails, you grieve briefly, then dream up a better one.)"},
    // Kemis Pahing
    {"Kemis", "Pahing",
     R"(You are ambitious and determined. You are so very used to getting your own way that defeat strikes you like an insult. Kemis Pahing folks climb fast in business, politics and sport, driven by the heat of Pahing and a keen competitive eye. You set a target, gather allies and push hard until it is reached. Be careful not to trample the people who helped you climb. Real success for you includes a few friends who do not work for you.)"},
    // Kemis Pon
    {"Kemis", "Pon",
     R"(You are born with high ideals and respectable goals. You want a good education, a steady post and a reputation your parents can boast about at every family gathering. Kemis Pon people set themselves strict rules of conduct and keep them, which earns them trust in government, medicine and teaching. Pon adds a liking for neat clothes and a tidy, well-kept house. You can be hard on those who fall short of your standards, and on yourself most of all. Allow some room for ordinary human mistakes.)"},
    // Kemis Wage
    {"Kemis", "Wage",
     R"(Kemis Wage people are the well-known dreamers of the zodiac. Your head is full of songs, stories and pictures, and you may drift off mid-conversation to follow one. Poetry, wayang puppetry, batik design and music come naturally to you. Practical life is harder: you lose keys, forget to pay bills and arrive late at meetings with a charming apology. Yet the quiet persistence of Wage brings you back to your favourite dreams until they become finished work. You are a romantic and faithful lover, though you sometimes love an idea of a person more than the person. Keep a notebook and a calendar, and your gifts will not go to waste.)"},
    // Kemis Kliwon
    {"Kemis", "Kliwon",
     R"(You always plan to get the big things of life. A modest salary and a small house will never satisfy Kemis Kliwon folks; they dream of a large estate, a thriving company or a name remembered long after they are gone. With Kliwon's sharp intuition you often sense the right moment to buy, build or move, and your bold bets can pay off handsomely. Yet you also risk more than is wise, and your life may swing between plenty and want. Keep a reserve that you never touch. You are generous when rich, helping relatives with school fees and weddings. Spiritual practices steady you in lean years. With discipline, your grand plans can become a lasting legacy for your children.)"},
    // Jumat Legi
    {"Jumat", "Legi",
     R"(Jumat Legi folks are well known for their honesty and their devotion. Born on the holy day of the week and the sweet market day, you often feel a pull toward prayer and a simple and modest life. You keep your promises, pay your debts on time and return change when a shopkeeper gives too much. Such sincerity wins you trust, and people leave their children, their keys and their secrets in your care. You value a good name above wealth. You can be naive about those who lack your scruples. Be kind, but read the contract before you sign.)"},
    // Jumat Pahing
    {"Jumat", "Pahing",
     R"(You are a communicative person with an honest heart and a lively voice. Jumat Pahing people love to tell stories, pass on news and explain things, and they shine as traders, radio hosts, reporters and guides. You say what you mean, and listeners sense that you are sincere. Pahing adds a quick temper, so a friendly chat can become a heated argument before you notice. Count to ten before you reply to criticism. Your friends are many and varied, and you keep in touch with them all.)"},
    // Jumat Pon
    {"Jumat", "Pon",
     R"(According to the myth of Javanese astrology, Jumat Pon people are blessed with a cool head and green fingers. Plants thrive under your care, and the food you cook tastes better than anyone else's. You stay calm in an emergency and patient with slow progress. Your fortune tends to ripen in middle age, after years of steady work. Do not envy faster friends; your harvest will come.)"},
    // Jumat Wage
    {"Jumat", "Wage",
     R"(Jumat Wage folks are well known for their honesty and their thrift. They mend rather than replace, save a little from every wage and would sooner eat plain rice than borrow money. Employers trust them with the cash box, and many serve as treasurers of mosques, co-operatives and village funds. You are patient and persistent, the steady qualities of Wage, and you build your house one room at a time, without debt. The same caution can turn into stinginess, and your family may wish you would sometimes spend on a treat. Generosity will not ruin you. In friendship you are quiet but reliable, and you never forget a loan, whether you gave or received it.)"},
    // Jumat Kliwon
    {"Jumat", "Kliwon",
     R"(It is your patience and generosity that makes people like you so much. You listen without hurry, and you give without keeping accounts. The eve of Jumat Kliwon is the most sacred night of the Javanese week, and folk belief holds that those born on it have a natural bond with the spirit world. Friends seek your blessing before a long journey. You may sense presences others miss. Use the gift quietly and kindly.)"},
    // Sabtu Legi
    {"Sabtu", "Legi",
     R"(Born under this sign of Javanese astrology, you are a natural organiser with a gentle touch. Sabtu Legi people like order, clear plans and work done on time, yet they guide others with patience instead of shouting. You make a good foreman, headmaster or head of a family, and your juniors remember you fondly for years. Responsibility comes to you early, often as the eldest child or the one who cares for ageing parents. You rarely complain, but you do tire. Take the rest you so readily grant others, and your later years will be peaceful and prosperous.)"},
    // Sabtu Pahing
    {"Sabtu", "Pahing",
     R"(You are a real stubborn and red-head fellow! But quite a fair one, for your anger is always aimed at injustice rather than at the weak. Sabtu Pahing people carry the red fire of Pahing and the heavy will of Saturday, and once they dig in their heels, nothing moves them. You are brave in a crisis and quick to defend anyone who is bullied. Soldiers, policemen and firefighters are often born on this weton. You hate deceit and will say so to anyone's face. Your temper can ruin friendships, so cool down before you speak. Those who earn your loyalty have a protector for life.)"},
    // Sabtu Pon
    {"Sabtu", "Pon",
     R"(You are an egoistic person with a high self-respect. You like to be seen, praised and consulted, and you feel slighted when a decision is made without you. Sabtu Pon people often become performers, speakers or heads of organisations, for they love a crowd. You have good taste and spend freely on clothes, cars and a handsome home. Criticism stings you deeply, even when old friends offer it kindly. Too proud to apologise, you may let quarrels drag on for years. Learn to praise others as readily as you enjoy being praised, and you will win true friends instead of mere admirers.)"},
    // Sabtu Wage
    {"Sabtu", "Wage",
     R"(You are 'forceful' and 'dynamic'. The Sabtu Wage folks are always on the move, starting a shop here, a workshop there and a new venture before the last one is finished. Many of these folks leave their home village to seek their fortune in Jakarta, Surabaya or abroad, and they usually come back with something to show for it. You have enormous drive and a knack for getting things done through sheer force of will. Slower people may feel pushed aside, and your family may complain that they hardly see you. The persistence of Wage keeps you going through setbacks that would break others. Slow down on Saturdays and spend the day with the family you are working so hard for.)"},
    // Sabtu Kliwon
    {"Sabtu", "Kliwon",
     R"(You are an overall impressive personality. It is because of a certain quiet authority, which the Javanese call wibawa, that people fall silent when you enter a room. Sabtu Kliwon folks rarely need to raise their voices; a look is usually enough. The strength of Saturday and the mystic depth of Kliwon combine in you, and many sense your words carry a weight beyond ordinary speech. You are often chosen to lead, to judge or to bless a new undertaking. Such respect can isolate you, since few dare tell you the plain truth. Keep one friend who will argue with you. Use your influence for the common good and your name will be honoured for generations.)"},
};

}  // namespace

std::string_view WetonText(std::string_view javaneseWeekday, std::string_view marketDay) {
    for (const WetonRow& row : kWetonRows) {
        if (row.weekday == javaneseWeekday && row.marketDay == marketDay) {
            return row.text;
        }
    }
    return {};
}

}  // namespace oriastra
