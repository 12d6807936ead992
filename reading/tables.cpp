#include "reading/tables.h"

#include "reading/engine.h"

namespace modRunicAstrology {

// The positions of the rune picture and the sign picture; the columns in field order (fields.h):
// sign; sign rune; planet; characteristics; famous people.
constexpr std::array<SignRow, 12> SignTable{
    SignRow{{1, 1},
            {"Aries", "Fehu", "Faihu, Foeh, Fe", "Wealth, Mobility, Fulfillment, Intuition",
             "Aesir", "Light Red", "Mars", "Thurisaz", "Bright Red", "Fire", "9", "Red", "Tuesday",
             "Leo and Sagittarius", "Diamond", "Cardinal",
             "William Wordsworth, Thomas Jefferson, Leonardo Da Vinci, Marlon Brando, Charlie "
             "Chaplin"}},
    SignRow{{2, 2},
            {"Taurus", "Uruz", "Uraz, Uros, Ur", "Beginnings, Spirituality, Opportunity, Harmony",
             "Vanir", "Dark Green", "Venus", "Ansuz", "Dark Blue,Light Red", "Earth", "6", "Green",
             "Friday", "Capricorn and Virgo", "Emerald", "Fixed",
             "William Shakespeare, Karl Marx, Sigmund Freud, Harry Truman, Satyajit Ray"}},
    SignRow{{3, 3},
            {"Gemini", "Ehwaz", "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol",
             "Duality, Movement, Partnership, Interaction, Harmony", "Freya,Freyr,Aclis", "White",
             "Mercury", "Ansuz", "Dark Blue", "Air", "5", "Yellow", "Wednesday",
             "Aquarius and Libra", "Agate", "Mutable",
             "Sir Arthur Conan-Doyle, Ian Fleming, John Fitzgerald Kennedy, Clint Eastwood, George "
             "Bush"}},
    SignRow{{4, 4},
            {"Cancer", "Algiz", "Algis, Elhaz, Eolh, Elgr",
             "Spirit, Protection, Sanctuary, Refuge, Power, Divinity", "Valkyrjur", "Gold",
             "The Moon", "Isa", "Black", "Water", "2", "Silver", "Monday", "Pisces and Scorpio",
             "Pearl", "Cardinal",
             "Julius Caesar, Helen Keller, George Orwell, Nelson Mandela, Lady Diana"}},
    SignRow{{5, 5},
            {"Leo", "Wunjo", "Uuinne, Vend, Wynn, Vin", "Joy, Pleasure, Hope, Fellowship",
             "Freyr,Elves", "Yellow", "The Sun", "Jera", "Light Blue,White,Silver", "Fire",
             "8 and 9", "Gold", "Sunday", "Aries and Sagittarius", "Ruby", "Fixed",
             "Napoleon Bonaparte, Bernard Shaw, Henry Ford, Alfred Hitchcock, Neil Armstrong, "
             "Madonna"}},
    SignRow{{6, 6},
            {"Virgo", "Berkano", "Berkana, Bercna, Bjarkan, Beroc",
             "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry",
             "Frigg,Nerthus,Hel", "Dark Green", "Mercury", "Ansuz", "Dark Blue", "Earth", "3 and 5",
             "Blue", "Wednesday", "Capricorn and Taurus", "Sapphire", "Mutable",
             "Mother Teresa, Agatha Christie, Michael Jackson, Stephen King, Jimmy Connors"}},
    SignRow{{7, 7},
            {"Libra", "Tiwaz", "Tys, Tyr, Tir, Tiw, Ty",
             "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty", "Tyr,Mani",
             "Bright Red", "Venus", "Ansuz", "Dark Blue,Light Red", "Air", "6 and 9", "Blue",
             "Friday", "Aquarius and Gemini", "Opal", "Cardinal",
             "Oscar Wilde, Mohandas Gandhi, Luciano Pavarotti, Julie Andrews, T. S. Elliot"}},
    SignRow{{8, 8},
            {"Scorpio", "Eihwaz", "Ezck, Yr, Eo",
             "Communication, Death, Regeneration, Knowledge, Dreaming", "Idhunna,Ullr", "Dark Blue",
             "Pluto and Mars", "Thurisaz", "Bright Red", "Water", "2 and 4", "Burgundy and Black",
             "Tuesday", "Cancer and Pisces", "Topaz", "Fixed",
             "John Keats, Robert Louis Stevenson, Pablo Picasso, Bill Gates, Julia Roberts"}},
    SignRow{{9, 9},
            {"Sagittarius", "Raidho", "Raidha, Rad, Raid", "Rhythm, Movement, Travel, Spiritual",
             "Forseti", "Bright Red", "Jupiter", "Mannaz", "Deep Red", "Fire", "5 and 7", "Purple",
             "Thursday", "Aries and Leo", "Turquoise", "Mutable",
             "Nostradamus, Ludwig von Beethoven, Jane Austen, Mark Twain, Winston Churchill, Walt "
             "Disney, Frank Sinatra"}},
    SignRow{{10, 10},
            {"Capricorn", "Nauthiz", "Noicz, Naud, Naudr, Nied", "Need, Help, Resistance, Love",
             "Nornir,Etins", "Black", "Saturn", "Perthro", "Black", "Earth", "8 and 2", "Brown",
             "Saturday", "Taurus and Virgo", "Garnet", "Cardinal",
             "Sir Isaac Newton, Rudyard Kipling, Joseph Stalin, Martin Luther King, Elvis Presley, "
             "Mohammed Ali, Tiger Woods"}},
    SignRow{
        {11, 11},
        {"Aquarius", "Hagalaz", "Haal, Hagall, Hagl",
         "Transformation, Change, Evolution, Protection", "Ymir", "Light Blue", "Uranus and Saturn",
         "Perthro", "Black", "Air", "1 and 7", "Blue, Violet", "Wednesday", "Taurus and Virgo",
         "Amethyst", "Fixed",
         "Wolfgang Amadeus Mozart, Lord Byron, Charles Darwin, Abraham Lincoln, Charles Dickens"}},
    SignRow{{12, 12},
            {"Pisces", "Gebo", "Geuua, Gipt, Giof, Geofu, Gjof",
             "Gift, Exchange, Interaction, Balance", "Odin,Freya", "Deep Blue",
             "Neptune and Jupiter", "Mannaz", "Deep Red", "Water", "2 and 6", "Sea green", "Friday",
             "Taurus and Virgo", "Aquamarine", "Mutable",
             "Albert Einstein, Nicolaus Copernicus, George Washington, Alexander Graham Bell, "
             "Jerry Lewis"}},
};

constexpr std::array<PlanetRuneRow, 6> PlanetRuneTable{
    PlanetRuneRow{
        "Ansuz",
        {"Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice", "Odin,Freya,Dwarves"},
        1},
    PlanetRuneRow{
        "Isa",
        {"Icz, Iss, Is", "Constraint, Massive Force, Gradual Integration, Delay", "Rime Thurses"},
        2},
    PlanetRuneRow{"Jera",
                  {"Gaar, Ar, Ger, Jara",
                   "Cycles, Right Action, Completion, Fertility, Natural Law", "Freyr,Sol"},
                  3},
    PlanetRuneRow{
        "Mannaz", {"Manna, Madr, Mann, Madur", "Godhood, Humanity, Ancestors", "Heimdall,Odin"}, 4},
    PlanetRuneRow{
        "Perthro",
        {"Pertra, Peordh", "Birth, Wisdom, Kinship, Manifestation, Chance, Luck", "Nornir"},
        5},
    PlanetRuneRow{"Thurisaz",
                  {"Thuith, Thorn, Thurs", "Protection, Action, Destruction, Willpower", "Thor"},
                  6},
};

namespace {

template <typename Row, std::size_t N, typename Key>
const Row* findRow(const std::array<Row, N>& table, std::string_view wanted, Key key) {
    for (const Row& row : table) {
        if (key(row) == wanted)
            return &row;
    }
    return nullptr;
}

template <typename Row, std::size_t N>
std::size_t placeOf(const std::array<Row, N>& table, const Row& row) {
    return static_cast<std::size_t>(&row - table.data());
}

} // namespace

const SignRow* findSignRow(std::string_view sign) {
    return findRow(SignTable, sign, [](const SignRow& row) { return row[Field::Sign]; });
}

const PlanetRuneRow* findPlanetRuneRow(std::string_view stoneWithPlanet) {
    return findRow(PlanetRuneTable, stoneWithPlanet,
                   [](const PlanetRuneRow& row) { return row.StoneWithPlanet; });
}

const longTexts::SignTexts& signTextsOf(const SignRow& row) {
    return longTexts::Signs[placeOf(SignTable, row)];
}

std::string_view planetRuneTextOf(const PlanetRuneRow& row) {
    return longTexts::PlanetRunes[placeOf(PlanetRuneTable, row)];
}

} // namespace modRunicAstrology
