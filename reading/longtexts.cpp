// Prose for the reading window and the report. Plain ASCII, so that a text's size in bytes is
// its length in characters, the measure the texts are written to.
#include "reading/longtexts.h"

namespace modRunicAstrology::longTexts {

const std::array<SignTexts, 12> Signs = {{
    // Aries, rune Fehu
    {
        .aboutRuneStone =
            "Your rune stone is Fehu, the rune of cattle. In the old days cattle were the "
            "livelihood of the tribe, and the size of a herd was the measure of a family's "
            "wealth. Fehu therefore speaks of material gain and of new financial opportunities "
            "that are about to open for you. Wealth that is shared grows, so remember those who "
            "helped you along the way. This is a good time to trade, to buy and to sell. Your "
            "intuition grows sharper under this rune, and your focus becomes clear and steady.",
        .aboutRuneStoneSecondPart =
            "Fehu is linked to Frey and Freya, the gods of plenty. It is a strong omen of "
            "fertility and should not be taken lightly.",
        .positiveTraits =
            "You are a pioneer at heart. You love to be the first to try something new. You are "
            "independent and prefer to stand on your own feet. You are courageous and face "
            "danger without flinching. Your mind is quick, and you grasp ideas in a moment. You "
            "are full of energy from morning till night. You enjoy competition and you play to "
            "win. You are inventive and always find a new way to solve a problem. People follow "
            "you naturally, for you are a born leader. You take charge when others hesitate. "
            "You are frank and say exactly what you think. You do not hide behind polite words. "
            "Your enthusiasm is catching, and you can lift the spirits of everyone around you. "
            "You are at your best at the start of a new venture.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be arrogant and look down on those who are slower than you. You are "
            "short-tempered and flare up at the smallest provocation. You are often "
            "self-centred. You think of your own wishes first. You are intolerant of other "
            "people's views. You act on impulse and regret it later. You can be reckless and "
            "take needless risks. You rush into fights that you could easily avoid. You are "
            "impatient and hate to wait for anything. You are stubborn and rarely admit you are "
            "wrong. Once someone has hurt you, you hold a grudge for a long time. Learn to "
            "pause before you speak, and your relationships will improve.",
    },
    // Taurus, rune Uruz
    {
        .aboutRuneStone =
            "Your rune stone is Uruz, the aurochs, the wild ox of the northern forests that was "
            "hunted only by the bravest. It stands for the strength and courage of the hunter "
            "who faced the beast alone. Uruz brings you fresh energy and a will to act. It is "
            "also a rune of healing, of the body as well as of the mind, and it helps you find "
            "inner strength and a deep sense of peace. New openings in business may appear now. "
            "Uruz marks new beginnings, so be ready to take the first step.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are patient and calm. You can wait a long time for what you want. You are "
            "practical and keep both feet on the ground. People rely on you, because you always "
            "keep your word. You are a loyal friend and a faithful partner. You are warm and "
            "loving, and you show your affection through deeds. You handle money well and know "
            "how to build up savings. You are determined and never give up once you have begun. "
            "You work methodically, one step at a time. You finish what you start. You build "
            "things that last. You are honest and have no taste for tricks or lies. You love "
            "comfort, good food and beautiful things. Your home is a place of peace for "
            "everyone who visits. Others feel safe in your company, and they trust your steady "
            "judgment. Your patience wins through in the end.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be very stubborn. Nothing will move you once your mind is made up. You are "
            "possessive of your partner and of your things. At times you are lazy. You value "
            "money and goods too highly. You can be unsociable and prefer your own company. You "
            "are easily jealous. You are slow to accept change, even when it is needed. You "
            "cling to routine. Sometimes you are greedy and want more than your share.",
    },
    // Gemini, rune Ehwaz
    {
        .aboutRuneStone =
            "Your rune stone is Ehwaz, the horse. It speaks of change, of moving house and of "
            "journeys near and far. You may feel restless and eager to be on your way. Take "
            "care, though, and do not let your impatience push you into hasty decisions.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You adapt quickly to any place and any company. You are versatile and can do many "
            "things well. You are intelligent and learn with ease. You are flexible and change "
            "your plans without fuss. You are lively and bring energy to every room you enter. "
            "You are a good talker who can chat with anyone about anything. Your thinking is "
            "logical and clear. You are witty and quick with a joke. You look on the bright "
            "side of life. You are curious about everything and always want to know more. You "
            "love books, newspapers, puzzles and new ideas. You can handle two tasks at once. "
            "You pick up languages and skills faster than most people. Boredom is your only "
            "real enemy. Friends enjoy your company, because with you there is never a dull "
            "moment.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be inconsistent and say one thing today and another tomorrow. You are "
            "restless and find it hard to sit still. You are often nervous and tense. You are "
            "fickle in your likes and in your friendships. You have a mischievous streak that "
            "can hurt others. You are easily distracted and leave tasks half done. You can be "
            "cynical about the motives of other people. Your moods change quickly. You can be "
            "cunning and use your clever tongue to get your way. Try to finish one thing before "
            "you begin the next.",
    },
    // Cancer, rune Algiz
    {
        .aboutRuneStone =
            "Your rune stone is Algiz, the rune of defence. Like the elk's antlers it guards "
            "you and protects you from evil and from those who wish you harm. Under its shelter "
            "you can reach the goals you have set for yourself now. Algiz is a positive rune "
            "that draws good influences into your life.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are sensitive and feel the moods of others at once. You are kind and gentle "
            "with everyone you meet. You have a rich imagination. You dream up stories and "
            "images that others would never think of. You are quiet by nature and do not need "
            "to be the centre of attention. You are deeply emotional, and your feelings run "
            "strong and true. You care for the people you love. You look after your family with "
            "great devotion. You are prudent with money and plan for hard times. You respect "
            "tradition and treasure old customs and family memories. You dislike quarrels and "
            "do your best to avoid conflict. You are a good listener. You remember birthdays "
            "and small kindnesses. Your instincts about people are seldom wrong. Friends come "
            "to you with their troubles, and you comfort them. Your home is your shell, a safe "
            "and cosy place where you recover your strength.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be emotionally unstable. You swing from joy to sadness within an hour. You "
            "are moody, and others never know how they will find you. You are indecisive and "
            "put off choices for as long as you can. At times you are selfish and think only of "
            "your own needs. You are oversensitive and take offence where none was meant. You "
            "can be manipulative and use tears or silence to get your way. You are prone to "
            "self-pity. You often feel insecure and need to be reassured. You cling to the "
            "past. You find it hard to let go of old hurts and old possessions. Learn to look "
            "forward, and your life will feel lighter.",
    },
    // Leo, rune Wunjo
    {
        .aboutRuneStone =
            "Your rune stone is Wunjo, the wish rune. It brings happiness, joy and good news "
            "that may arrive sooner than you expect. Wunjo stands for harmony and luck, and for "
            "the bonds that hold a family together. Your home life grows warm and peaceful "
            "under its sign. Wishes you have long carried may now be fulfilled.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are a born leader. You take command naturally, and others are glad to follow "
            "you. You have a magnetic personality that draws people to you. You love the "
            "limelight and shine on any stage. You enjoy being admired, and you make a grand "
            "entrance wherever you go. You are generous with your time, your money and your "
            "praise. You give gifts with a big and open heart. You are loyal to your friends "
            "and stand by them in good times and bad. You are ambitious and aim for the top. "
            "You set yourself high goals and work hard to reach them. You are optimistic and "
            "expect the best from life. Your warmth and good cheer light up every room you "
            "enter. You enjoy the finer things of life and share them gladly. Children and "
            "animals love you. You have a sunny nature, and your laughter is infectious. ",
        // The first part ends in a space: the two are joined with nothing between.
        .positiveTraitsSecondPart =
            "You carry yourself with pride and dignity. You always keep your promises. You are "
            "a gifted organiser who can run a business or a banquet with equal ease. Your style "
            "is flamboyant, and you are never afraid to stand out.",
        .negativeTraits =
            "You have a violent temper when you are crossed. You can be arrogant and treat "
            "others as your servants. You are stubborn and refuse to change your mind once it "
            "is set. You can be a snob who judges people by their rank and their clothes. You "
            "are intolerant of weakness and of views that differ from your own. You are bossy. "
            "You expect others to obey you without question. You like to give orders and hate "
            "to take them. You are vain and spend a long time in front of the mirror. You need "
            "constant praise. You sulk when you are not the centre of attention. You have a "
            "lust for power that can lead you astray. Remember that true leaders serve the "
            "people they lead.",
    },
    // Virgo, rune Berkano
    {
        .aboutRuneStone =
            "Your rune stone is Berkano, the birch. It promises growth in your relationships, "
            "in your family and in fertility. Be patient and let things ripen in their own good "
            "time. Berkano marks new beginnings and a time of purification. It is a female rune "
            "of nurturing and gentle care.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are modest and never boast. You are a perfectionist who notices every detail. "
            "Your judgment is sound, and people come to you for advice. You are clean and tidy. "
            "You keep your things in good order. You are well organised and plan your days with "
            "care. You are humane and always ready to help those in need. You are practical and "
            "find sensible answers to everyday problems. You are dedicated to your work. You "
            "look after your health and choose your food with care. You are punctual and never "
            "keep anyone waiting.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be fussy about small things that others hardly notice. You worry too much, "
            "often about matters that never come to pass. You are introverted and keep your "
            "feelings to yourself. You are highly critical of yourself and rarely satisfied "
            "with your own work. You become irritable and sharp when things are not done your "
            "way.",
    },
    // Libra, rune Tiwaz
    {
        .aboutRuneStone =
            "Your rune stone is Tiwaz, the rune of the warrior who fights bravely against evil. "
            "It may point to a strong man in your life, or to the help that such a man will "
            "give you. Tiwaz speaks of a struggle for a better and fairer society, and of your "
            "part in it. It also promises material achievement, success in your work, and "
            "fertility.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are a natural diplomat. You know how to say the right thing at the right time. "
            "You are charming, and people warm to you at once. You are romantic at heart and "
            "love candlelight, flowers and poetry. You are elegant in your dress and in your "
            "manners. You are optimistic and believe that things will work out well. You have "
            "artistic gifts and a fine eye for beauty. You are objective and weigh both sides "
            "of every question. You are a peacemaker who brings quarrelling friends together "
            "again. You are sociable and enjoy parties and good company. You work well with "
            "others and prefer teamwork to going it alone. You dislike ugliness and coarse "
            "behaviour. Your friends are many and varied. Fairness matters deeply to you.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be painfully indecisive. You are gullible and believe what people tell "
            "you. You are flirtatious, which may cause trouble. You can be self-indulgent and "
            "spend too much on pleasures. You are fickle in love and change partners too "
            "easily. You depend too much on others for approval. You will buy peace at any "
            "cost, even when it means giving up what is right.",
    },
    // Scorpio, rune Eihwaz
    {
        .aboutRuneStone =
            "Your rune stone is Eihwaz, the yew. Its wood was used to carve runes and to make "
            "the strongest bows. Eihwaz is a positive omen: it tells you to go ahead with your "
            "plans. Trust your intuition, for it will lead you to the right decisions. The yew "
            "lives for centuries, and it teaches you to have no fear of death. It is a rune of "
            "transformation.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are intense in everything you do. You never do things by halves. You are "
            "strong-willed and hold on to your aims. You are full of energy and can work long "
            "hours without tiring. You look calm on the outside, but inside you are fierce and "
            "ready to fight. You are observant and miss nothing that goes on around you. You "
            "can read people like a book. You have great inner reserves of strength. You are at "
            "your best in a crisis. You are highly motivated and know exactly what you want. "
            "You are resourceful and find a way out of any difficulty. You reason things "
            "through with care before you act. You are a loyal friend to those who have earned "
            "your trust. Your determination carries you through where others would give up.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be short-tempered when people get in your way. You are blunt and sometimes "
            "wound others with your words. You pry into other people's affairs. You want to "
            "know everything about the people around you. You are temperamental. Your moods are "
            "hard to read. You can be over-confident and underrate the difficulties ahead. You "
            "are fiercely jealous in love. You are suspicious of strangers and even of friends. "
            "You are secretive and rarely share your plans. When you feel betrayed, you can "
            "turn violent. Let go of your anger, and you will find peace.",
    },
    // Sagittarius, rune Raidho
    {
        .aboutRuneStone =
            "Your rune stone is Raidho, the wheel of life that turns through its cycles. It is "
            "the rune of travel and of the road, and it spurs you towards your material and "
            "spiritual goals alike. A journey may lie ahead of you, and it is likely to end in "
            "a happy reunion with someone dear. Raidho can also point to a change of direction "
            "in your life, or even a change of profession. Follow the wheel where it turns, and "
            "keep your eyes on the destination.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are happy-go-lucky and take life as it comes. You are adventurous and love to "
            "explore far-off places. You are enterprising and always have a new plan on the go. "
            "You are optimistic and trust that tomorrow will be better than today. You are "
            "generous and share what you have with a smile. You are straightforward and never "
            "play games. You are honest, even when the truth is hard to hear. You are reliable, "
            "and your friends know they can count on you. You are religious in the widest sense "
            "and seek the meaning of life. You are an idealist who dreams of a better world. "
            "You love freedom. You believe in the goodness of people. You keep your word and "
            "pay your debts. You laugh off your setbacks and try again. You cannot bear to be "
            "tied down. You enjoy sport and the open air. Your good humour makes you welcome in "
            "any company, and your wide interests make you a fascinating friend.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You are outspoken and say things that are better left unsaid. You are restless and "
            "quickly tire of routine. Your temper can be explosive. You are boastful about your "
            "deeds. You are tactless and hurt people without meaning to. You tend to exaggerate "
            "every story you tell until it is hard to believe. You say yes too quickly. You can "
            "be irresponsible with money and with promises.",
    },
    // Capricorn, rune Nauthiz
    {
        .aboutRuneStone =
            "Your rune stone is Nauthiz, the rune of need. It is a negative omen that warns of "
            "trouble to come. You may be given what you do not need, and friction may arise in "
            "your relationships. Face your difficulties calmly, for Nauthiz also helps you "
            "overcome mental obstacles.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are traditional and value the old ways. You are stable and as steady as a rock "
            "in a storm. You work hard and are not afraid of long hours. You are serious and "
            "take your duties to heart. You are disciplined and keep to your plans. Your "
            "thinking is logical and sound. You are ambitious and mean to climb to the top. You "
            "are methodical and build your success brick by brick. You set clear goals and keep "
            "them always in view. You make a loyal friend who stays true for a lifetime. You "
            "plan for the long term and rarely act on a whim. You take responsibility without "
            "being asked. You are patient with slow progress. You respect authority and earn "
            "respect in turn. Your dry sense of humour surprises those who know you only at "
            "work.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You can be rigid and unwilling to try anything new. You are over-ambitious and may "
            "trample others on your way up. You can be domineering at home and at work. You are "
            "moody and fall into dark spells. You are miserly and find it hard to part with "
            "money. You complain a great deal. You are slow to praise and quick to find fault. "
            "You brood over setbacks. You are a workaholic who forgets to rest and to spend "
            "time with your family. You are pessimistic and expect the worst. Learn to relax, "
            "and you will find that life is kinder than you think.",
    },
    // Aquarius, rune Hagalaz
    {
        .aboutRuneStone =
            "Your rune stone is Hagalaz, the rune of hail. Like a sudden storm of hail it "
            "breaks down order and destroys what seemed secure. Events may happen that are "
            "beyond your control, and plans may meet with delays. Yet hail melts into water "
            "that feeds the earth, and Hagalaz also brings personal transformation. It is a "
            "negative omen at first, but it turns positive once you find balance. Keep calm, "
            "stay steady, and the storm will pass.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You have a magnetic charm that draws people of every kind. You are a humanitarian "
            "and care about the welfare of all. You are fair-minded and treat everyone as an "
            "equal. You are unconventional and follow your own path. You are innovative and "
            "full of original ideas. You think quickly and see solutions before others see the "
            "problem. You are trustworthy and keep the secrets you are told. You are logical "
            "and rely on reason rather than emotion. You are progressive and always look to the "
            "future. You welcome new inventions. You are open to people whose ways differ from "
            "your own. You solve puzzles with ease. You are a true friend to the whole of "
            "mankind. You value freedom for yourself and for others. Your vision of a better "
            "world inspires those around you.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You have few close friends, though many people know you. You are a loner at heart. "
            "You can be unreliable and forget your promises. When roused you have a violent "
            "temper. You are eccentric, and your strange ways puzzle others. You can be cool "
            "and detached, even with those who love you. You can be cold when others expect "
            "sympathy. You are tactless and speak your mind without thinking of the effect. You "
            "are stubborn once you have taken a position. You are unpredictable, and no one can "
            "guess what you will do next. You care more for humanity than for the people close "
            "to you. Show your warmth more often, and your friendships will grow deeper.",
    },
    // Pisces, rune Gebo
    {
        .aboutRuneStone =
            "Your rune stone is Gebo, the rune of exchange and of gifts. It speaks of strong "
            "bonds between people, between partners, friends and family. A gift given with an "
            "open heart returns to you threefold in time. Gebo is a rune of partnership and "
            "balance. It points to new relationships, whether in business or in your private "
            "life. After a time of strain it brings relief, and it heals old wounds of both "
            "body and heart.",
        .aboutRuneStoneSecondPart = {},
        .positiveTraits =
            "You are adaptable and fit in wherever you go. You are friendly and welcome "
            "everyone. You are sensitive to the feelings of others. You are popular, and people "
            "seek your company. You are peace-loving and dislike harsh words. You are intuitive "
            "and often know things without being told. You will sacrifice your own comfort to "
            "help others. You are a dreamer with a rich inner world. Your imagination is "
            "boundless. You are gentle and patient with the weak. You forgive easily and never "
            "hold a grudge. You are moved to tears by a sad story. You are emotional and are "
            "moved by music, art and beauty. You are unselfish. You give without expecting "
            "anything in return. Your compassion makes you a true friend.",
        .positiveTraitsSecondPart = {},
        .negativeTraits =
            "You crave sympathy and like others to feel sorry for you. You are dreamy and lose "
            "touch with reality. You are impractical in everyday matters. You can be unreliable "
            "when a task becomes dull. You are gullible and easily deceived. You like to gossip "
            "and pass on secrets you were told in confidence. At times you are hypocritical and "
            "do not practise what you preach. You fall into melancholy moods that are hard to "
            "shake off.",
    },
}};

const std::array<std::string_view, 6> PlanetRunes = {
    // Ansuz
    "Your planet's rune stone is Ansuz, the rune of the god. It speaks of the divine and of "
    "spiritual communication, of messages that come to you from above and from within. Ansuz "
    "stands for justice and awareness, and it asks you to listen carefully before you speak. "
    "Wisdom may reach you through a teacher or a mentor, someone older who has walked the road "
    "before you. Be open to their advice.",
    // Isa
    "Your planet's rune stone is Isa, the rune of ice. Everything around you is frozen for now, "
    "and no change is coming in the near future. You may feel stagnation and boredom, as if "
    "life were standing still. Do not lose heart: better times lie ahead, just as spring "
    "follows winter. Ice is also slippery and often treacherous, so stay aware of the dangers "
    "around you. Use this still and quiet time to concentrate on what truly matters to you.",
    // Jera
    "Your planet's rune stone is Jera, the rune of harvest. You will reap what you have sown. "
    "Change comes gradually, with time, like the turning of the seasons. Jera brings fertility "
    "and new life, in the fields and in the family. It also marks the end of a cycle, a time to "
    "gather in your rewards before the next one begins.",
    // Mannaz
    "Your planet's rune stone is Mannaz, the rune of man, both as an individual and as a race. "
    "It reminds you that people depend on one another. Explore yourself and others with an open "
    "mind. No one achieves great things alone. Mannaz calls for cooperation and asks you to "
    "give something of yourself to society.",
    // Perthro
    "Your planet's rune stone is Perthro, the dice cup of fate and the rune of chance. It may "
    "bring you a sudden stroke of luck, or help you find something you had long given up as "
    "lost. Luck favours those who are ready for it. An unexpected gain may come your way. "
    "Perthro also reminds you that you shape your own destiny. It is a rune of birth, and of "
    "awareness of the hidden powers within you.",
    // Thurisaz
    "Your planet's rune stone is Thurisaz, the rune of the troll and of the thorn. It stands "
    "for the struggle between life and death that runs through all of nature. The thorn can "
    "protect you, as a hedge of thorns guards a house, or it can be an obstacle that blocks "
    "your way and pricks your hand. Which of the two it becomes depends on you. Thurisaz calls "
    "on your courage and your inner strength. It offers protection from your enemies and from "
    "those who work against you in secret. You may have to make hard decisions soon; make them "
    "with a clear head. Your willpower is your best weapon now, so use it wisely and do not "
    "give up.",
};

} // namespace modRunicAstrology::longTexts
