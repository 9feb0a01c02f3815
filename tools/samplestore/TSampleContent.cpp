#include "TSampleContent.h"

namespace TSampleContent {

const QList<TCategoryEntry>& Categories()
{
    static const QList<TCategoryEntry> categories{
        {"bouquets", nullptr, "Bouquets",
         "<p>Hand-tied bouquets, made to order every morning in our Tolvane workroom from flowers that arrive "
         "fresh from Tasmanian growers.</p>"},
        {"roses", "bouquets", "Roses",
         "<p>Classic roses in every shade, from a single stem to two dozen long-stemmed beauties.</p>"},
        {"seasonal", "bouquets", "Seasonal Bouquets",
         "<p>What is flowering now: tulips in spring, sunflowers in summer, warm autumn tones and crisp winter "
         "whites.</p>"},
        {"weddings", "bouquets", "Weddings",
         "<p>Bridal bouquets, posies, buttonholes and table flowers. Every wedding order starts with a free "
         "consultation in our studio.</p>"},
        {"plants", nullptr, "Plants",
         "<p>Healthy, well-rooted plants for the house and the garden, potted and ready to give.</p>"},
        {"indoor", "plants", "Indoor Plants",
         "<p>Easy-going greenery and flowering plants that brighten a room for months, each with our care "
         "guide.</p>"},
        {"outdoor", "plants", "Garden & Outdoor",
         "<p>Hardy shrubs, herbs and flowering plants that thrive in a cool-climate garden or on a sunny "
         "balcony.</p>"},
        {"gifts", nullptr, "Gifts",
         "<p>Vases, treats and keepsakes to send on their own or beside a bouquet.</p>"},
        {"vases", "gifts", "Vases",
         "<p>Glass and stoneware vases chosen to show flowers at their best.</p>"},
        {"giftboxes", "gifts", "Gift Boxes & Treats",
         "<p>Chocolates, candles, hampers and a bear to hug: add one to any order.</p>"},
        {"vouchers", "gifts", "Gift Vouchers",
         "<p>Let them choose: vouchers are valid for three years in the shop and online.</p>"},
    };
    return categories;
}

const QList<TProductEntry>& Products()
{
    using O = TOption;
    constexpr unsigned Bouquet = O::CardMessage | O::DeliveryDate;
    static const QList<TProductEntry> products{
        // ---- roses
        {"ROS-101", "roses", "Dozen Red Roses", 8900, false, "rose-bouquet-red", Bouquet, "flowers", 1.2, true,
         "<p>Twelve velvet-red roses with baby's breath, wrapped in kraft paper and tied with a black satin "
         "bow.</p>",
         "<p>The timeless way to say it. Our florists choose twelve red roses at their best, add clouds of "
         "baby's breath and wrap them by hand.</p>"
         "<ul><li>12 premium red roses, 50 cm stems</li><li>Baby's breath and seasonal foliage</li>"
         "<li>Flower food and our care guide included</li><li>Vase life 7 to 10 days</li></ul>"},
        {"ROS-102", "roses", "Pastel Pink Roses", 8500, false, "rose-bouquet-pink", Bouquet, nullptr, 1.2, true,
         "<p>A soft, romantic bunch of twelve pink roses in blush tissue.</p>",
         "<p>Pale pink roses open slowly over the week, from tight buds to full blooms. A lovely choice for "
         "birthdays, new babies and thank-yous.</p>"
         "<ul><li>12 pink roses, 50 cm stems</li><li>Wrapped in blush tissue with a fuchsia ribbon</li>"
         "<li>Vase life 7 to 10 days</li></ul>"},
        {"ROS-103", "roses", "White Rose Elegance", 8900, false, "rose-bouquet-white", Bouquet, nullptr, 1.2, true,
         "<p>Twelve ivory roses with silver-dollar eucalyptus: calm, fresh and elegant.</p>",
         "<p>White roses and scented eucalyptus in sea-green paper. Understated enough for sympathy, elegant "
         "enough for an anniversary.</p>"
         "<ul><li>12 white roses</li><li>Silver-dollar eucalyptus</li><li>Vase life 7 to 10 days</li></ul>"},
        {"ROS-104", "roses", "Yellow Sunshine Roses", 7900, false, "rose-bouquet-yellow", Bouquet, nullptr, 1.1,
         true, "<p>Twelve bright yellow roses to lift anyone's day.</p>",
         "<p>Yellow roses stand for friendship and good cheer. We tie them with a cornflower-blue ribbon for a "
         "cheerful contrast.</p>"
         "<ul><li>12 yellow roses</li><li>Baby's breath</li><li>Vase life 7 to 10 days</li></ul>"},
        {"ROS-105", "roses", "Peach Garden Roses", 9500, false, "rose-bouquet-peach", Bouquet, nullptr, 1.3, true,
         "<p>Nine lush garden roses in warm peach, with mixed foliage.</p>",
         "<p>Garden roses have more petals and more scent than florist roses. These peach beauties open into "
         "full, cupped blooms.</p>"
         "<ul><li>9 scented garden roses</li><li>Eucalyptus, fern and glossy leaves</li>"
         "<li>Available September to April</li></ul>"},
        {"ROS-106", "roses", "Two Dozen Long-stem Roses", 14900, false, "rose-longstem",
         Bouquet | O::Colour, "flowers", 2.0, true,
         "<p>Twenty-four long-stemmed roses in clear cellophane: choose the colour.</p>",
         "<p>Our grandest rose bouquet. Twenty-four roses on 70 cm stems, presented in cellophane so that "
         "nothing hides the flowers.</p>"
         "<ul><li>24 roses, 70 cm stems, in the colour of your choice</li><li>Tied with a satin bow</li>"
         "<li>Flower food and our care guide included</li></ul>"},
        {"ROS-107", "roses", "Single Rose in Cellophane", 1950, false, "rose-single", Bouquet | O::Colour, nullptr,
         0.3, true, "<p>One perfect rose, a sprig of baby's breath and a ribbon.</p>",
         "<p>Sometimes one is enough. A single long-stemmed rose in the colour you choose, wrapped in "
         "cellophane with a satin ribbon and a hand-written card.</p>"},
        {"ROS-108", "roses", "Rose & Lily Grand Bouquet", 13500, false, "rose-lily-grand", Bouquet, nullptr, 2.2,
         true, "<p>Cerise roses and scented oriental lilies in a dramatic, generous bouquet.</p>",
         "<p>Seven cerise roses with four stems of oriental lilies and mixed foliage, wrapped in charcoal and "
         "lilac papers.</p>"
         "<ul><li>Lilies are sent in bud and open over two to three days</li>"
         "<li>Lily pollen stains: remove the anthers as the flowers open</li>"
         "<li>Lilies are toxic to cats</li></ul>"},

        // ---- seasonal
        {"SEA-201", "seasonal", "Spring Tulip Bouquet", 6900, false, "seasonal-tulips", Bouquet, nullptr, 1.0, true,
         "<p>Fourteen tulips in red, yellow, pink and cream.</p>",
         "<p>Tulips keep growing in the vase and turn towards the light, so the bouquet changes from day to "
         "day. Grown in northern Tasmania.</p>"
         "<ul><li>14 tulips in mixed colours</li><li>Available August to October</li></ul>"},
        {"SEA-202", "seasonal", "Summer Sunflowers", 6500, false, "seasonal-sunflowers", Bouquet, nullptr, 1.4, true,
         "<p>Five big, golden sunflowers: summer in a bunch.</p>",
         "<p>Cheerful sunflowers with broad green leaves, wrapped in kraft paper with a blue ribbon.</p>"
         "<ul><li>5 sunflowers</li><li>Available December to March</li></ul>"},
        {"SEA-203", "seasonal", "Autumn Harvest Bouquet", 7500, false, "seasonal-autumn", Bouquet, nullptr, 1.3, true,
         "<p>Burnt orange roses, rust gerberas, golden carnations and berries.</p>",
         "<p>All the warm colours of a Tasmanian autumn, finished with sprays of red berries and wrapped in "
         "chocolate-brown paper.</p>"},
        {"SEA-204", "seasonal", "Winter Whites", 8500, false, "seasonal-winter", Bouquet, "flowers", 1.4, true,
         "<p>White lilies, ivory roses, eucalyptus and baby's breath.</p>",
         "<p>A crisp, fragrant bouquet for the cold months, in frosty grey paper with a pewter ribbon.</p>"
         "<ul><li>4 white oriental lilies and 6 ivory roses</li><li>Eucalyptus and baby's breath</li>"
         "<li>Our care guide included</li></ul>"},
        {"SEA-205", "seasonal", "Tasmanian Native Posy", 7200, false, "seasonal-native", Bouquet, nullptr, 1.1,
         true, "<p>Waratahs, wattle, wax flower and eucalyptus from local growers.</p>",
         "<p>Proudly local. Bright red waratahs with golden wattle, pink wax flower and gum leaves. Natives "
         "last well and many dry beautifully.</p>"
         "<ul><li>Waratahs flower September to November; out of season we use protea</li></ul>"},
        {"SEA-206", "seasonal", "Daisy Delight", 4900, false, "seasonal-daisies", Bouquet, nullptr, 0.8, true,
         "<p>Thirteen white daisies with fresh fern, in sky-blue paper.</p>",
         "<p>Simple, sunny and great value. Daisies say get well and thank you like no other flower.</p>"},
        {"SEA-207", "seasonal", "Gerbera Rainbow", 5900, false, "seasonal-gerberas", Bouquet, nullptr, 1.0, true,
         "<p>Eleven gerberas in orange, yellow, pink and violet.</p>",
         "<p>The happiest bouquet we make: big gerbera daisies in every colour, in cream and mint papers.</p>"
         "<ul><li>Keep gerberas in shallow water: they prefer it</li></ul>"},
        {"SEA-208", "seasonal", "Lavender Bunch", 2800, false, "seasonal-lavender", O::CardMessage, nullptr, 0.4,
         true, "<p>A fragrant bunch of English lavender, tied with twine.</p>",
         "<p>Freshly cut lavender from the Derwent Valley. Enjoy it fresh in a jug, or hang it upside down to "
         "dry for a scent that lasts all year.</p>"},
        {"SEA-209", "seasonal", "Christmas Wreath", 8900, false, "seasonal-wreath", O::DeliveryDate, nullptr, 1.5,
         false, "<p>A fresh door wreath of fern, gum leaves and berries with a red bow.</p>",
         "<p>Made to order from the first of December. Mist it with water every few days and it stays fresh "
         "until the New Year.</p>"},

        // ---- weddings
        {"WED-301", "weddings", "Ivory Bridal Bouquet", 22000, false, "wedding-bridal", O::DeliveryDate, nullptr, 1.0,
         true, "<p>A domed bouquet of ivory roses, eucalyptus and baby's breath with a satin handle.</p>",
         "<p>Our most requested bridal bouquet. Thirteen ivory roses with silver-dollar eucalyptus and baby's "
         "breath, the stems bound in ivory satin and pinned with pearls.</p>"
         "<ul><li>Delivered to the bride's address on the morning of the wedding</li>"
         "<li>Please order at least four weeks ahead</li></ul>"},
        {"WED-302", "weddings", "Bridesmaid Posy", 9500, false, "wedding-posy",
         O::Colour | O::Size | O::DeliveryDate, nullptr, 0.6, true,
         "<p>A petite posy of roses and wax flower to match the bridal bouquet.</p>",
         "<p>Seven roses with wax flower and fresh leaves, the handle wrapped in satin. Choose the rose "
         "colour and the size for each bridesmaid.</p>"},
        {"WED-303", "weddings", "Rose Buttonhole", 2200, false, "wedding-buttonhole", O::Colour | O::DeliveryDate,
         nullptr, 0.1, true, "<p>A rosebud with leaves and baby's breath, bound with twine.</p>",
         "<p>For the groom, groomsmen and fathers. Delivered with pearl-headed pins in a box that keeps it "
         "fresh until the ceremony.</p>"},
        {"WED-304", "weddings", "Flower Crown", 6500, false, "wedding-crown", O::Size | O::DeliveryDate, nullptr, 0.3,
         true, "<p>A crown of roses, daisies and wax flower on a soft vine base.</p>",
         "<p>For brides, flower girls and festival days. Tell us the size and we make it to fit: small for "
         "children, medium and large for adults.</p>"},
        {"WED-305", "weddings", "Long Table Centrepiece", 16000, false, "wedding-centrepiece", O::DeliveryDate,
         nullptr, 4.0, true, "<p>A low arrangement of roses and greenery in a white trough, with two candles.</p>",
         "<p>Eighty centimetres of flowers for the bridal or long table, kept low so that guests can talk "
         "across it. Set up at your venue on the day.</p>"
         "<ul><li>Venue set-up within 30 km of Tolvane included</li></ul>"},

        // ---- indoor plants
        {"IND-401", "indoor", "Peace Lily", 5500, false, "pot-peace-lily", O::CardMessage, "plants", 3.0, true,
         "<p>Glossy leaves and white flowers that return again and again.</p>",
         "<p>One of the easiest flowering house plants, happy in low light. It droops when thirsty and "
         "recovers within hours of a drink.</p>"
         "<ul><li>Pot: 20 cm glazed ceramic</li><li>Height about 60 cm</li>"
         "<li>Toxic to cats and dogs</li></ul>"},
        {"IND-402", "indoor", "Pink Moth Orchid", 7900, false, "pot-orchid", O::CardMessage, "plants", 1.5, true,
         "<p>An arching spike of pale pink orchids in a white ceramic pot.</p>",
         "<p>Moth orchids flower for two to three months and often again the following year. A gift that "
         "keeps giving.</p>"
         "<ul><li>One spike of 6 or more flowers and buds</li><li>Water once a week, never leave it "
         "standing in water</li></ul>"},
        {"IND-403", "indoor", "Monstera", 8900, false, "pot-monstera", NoOptions, "plants", 6.0, true,
         "<p>The Swiss cheese plant: big, split leaves in a charcoal pot.</p>",
         "<p>A statement plant for a bright room. New leaves unfurl every few weeks in the warmer months.</p>"
         "<ul><li>Pot: 25 cm charcoal glaze</li><li>Height about 80 cm</li></ul>"},
        {"IND-404", "indoor", "Snake Plant", 5900, false, "pot-snake-plant", NoOptions, "plants", 4.0, true,
         "<p>Upright, banded leaves edged in gold. Almost impossible to kill.</p>",
         "<p>Tolerates shade, dry air and forgetful owners. Water once a month in winter.</p>"},
        {"IND-405", "indoor", "Succulent Trio", 4500, false, "pot-succulents", O::CardMessage, nullptr, 1.8, true,
         "<p>Three echeverias in terracotta, white and sage pots.</p>",
         "<p>Sculptural rosettes in blue, green and lilac. Give them a sunny windowsill and a drink when the "
         "soil is dry.</p>"},
        {"IND-406", "indoor", "Boston Fern", 4900, false, "pot-fern", NoOptions, "plants", 3.0, true,
         "<p>A lush, arching fern for a bathroom or a bright hallway.</p>",
         "<p>Boston ferns love humidity. Mist the fronds and keep the soil just moist.</p>"},
        {"IND-407", "indoor", "African Violet", 2900, false, "pot-african-violet", O::CardMessage, nullptr, 0.8, true,
         "<p>Velvety leaves and purple flowers, nearly all year round.</p>",
         "<p>A compact plant for a windowsill with gentle light. Water from below, keeping the leaves dry.</p>"},
        {"IND-408", "indoor", "Flowering Cactus", 3500, false, "pot-cactus", NoOptions, nullptr, 1.2, true,
         "<p>A columnar cactus crowned with a bright pink flower.</p>",
         "<p>Needs sun and very little else. Water every two weeks in summer, barely at all in winter.</p>"},

        // ---- outdoor
        {"OUT-501", "outdoor", "Potted English Lavender", 3900, false, "pot-lavender", NoOptions, nullptr, 3.5, true,
         "<p>Fragrant lavender in a 25 cm terracotta pot.</p>",
         "<p>Flowers from late spring to autumn and brings the bees. Full sun and well-drained soil.</p>"},
        {"OUT-502", "outdoor", "Rosemary 'Tuscan Blue'", 2400, false, "pot-rosemary", NoOptions, nullptr, 2.5, true,
         "<p>An upright rosemary with blue flowers, for the garden and the kitchen.</p>",
         "<p>Hardy, drought tolerant and always ready for the roast. Trim after flowering to keep it "
         "bushy.</p>"},
        {"OUT-503", "outdoor", "Camellia 'Pink Perfection'", 6900, false, "pot-camellia", NoOptions, nullptr, 6.0,
         true, "<p>A glossy camellia covered in formal pink blooms through winter.</p>",
         "<p>Camellias flower when the rest of the garden sleeps. Part shade and acid soil suit them best.</p>"
         "<ul><li>Pot: 25 cm blue glaze</li><li>Grows to 2 m in the garden</li></ul>"},
        {"OUT-504", "outdoor", "Red Geranium", 2200, false, "pot-geranium", NoOptions, nullptr, 2.0, true,
         "<p>Clusters of scarlet flowers above zoned, scalloped leaves.</p>",
         "<p>A balcony favourite that flowers for months with sun and the odd drink.</p>"},
        {"OUT-505", "outdoor", "Blue Hydrangea", 5900, false, "pot-hydrangea", NoOptions, nullptr, 7.0, true,
         "<p>Big mophead flowers in blue and violet.</p>",
         "<p>Hydrangeas flower blue in acid soil and pink in alkaline soil. Keep them moist and out of the "
         "afternoon sun.</p>"},
        {"OUT-506", "outdoor", "Miniature Rose Bush", 3400, false, "pot-rose-bush", O::Colour, nullptr, 2.0, true,
         "<p>A compact rose covered in small blooms, for a pot or a sunny bed.</p>",
         "<p>Repeat-flowering from spring to autumn. Choose the colour; we send the plant in bud.</p>"},

        // ---- vases
        {"VAS-601", "vases", "Glass Cylinder Vase", 3900, false, "vase-cylinder", NoOptions, nullptr, 1.8, true,
         "<p>A tall, clear glass cylinder, 30 cm high.</p>",
         "<p>The florist's favourite: holds a dozen long-stemmed roses or an armful of foliage. Flowers and "
         "pebbles shown are not included.</p>"},
        {"VAS-602", "vases", "Bubble Bowl Vase", 3200, false, "vase-bubble", NoOptions, nullptr, 1.5, true,
         "<p>A round glass bowl for a floating flower or a short posy.</p>",
         "<p>20 cm across. Lovely with a single gerbera or rose head floating on the water.</p>"},
        {"VAS-603", "vases", "Blue Ceramic Jug", 4800, false, "vase-jug", NoOptions, nullptr, 1.6, true,
         "<p>A glazed stoneware jug in cornflower blue.</p>",
         "<p>Made by a potter in the Huon Valley. Perfect for garden flowers and daisies. Each jug is "
         "unique.</p>"},
        {"VAS-604", "vases", "Bud Vase Trio", 3600, false, "vase-bud-trio", NoOptions, nullptr, 0.9, true,
         "<p>Three coloured glass bud vases, each with a fresh rosebud.</p>",
         "<p>Amber, teal and rose glass in three heights. We send them with three rosebuds ready to "
         "display.</p>"},
        {"VAS-605", "vases", "Speckled Stoneware Urn", 6800, false, "vase-urn", NoOptions, nullptr, 2.6, true,
         "<p>A hand-thrown urn in speckled cream with a blue band.</p>",
         "<p>35 cm tall and heavy enough for big branches. Glazed inside, so it holds water.</p>"},

        // ---- gift boxes
        {"GFT-701", "giftboxes", "Handmade Chocolates", 3400, false, "gift-chocolates", O::CardMessage, nullptr, 0.4,
         true, "<p>Fifteen handmade chocolates from a Tolvane chocolatier.</p>",
         "<p>Dark, milk and white chocolates with fillings of salted caramel, raspberry and hazelnut praline.</p>"
         "<ul><li>Contains milk and nuts</li><li>Best within four weeks</li></ul>"},
        {"GFT-702", "giftboxes", "Rose & Fig Soy Candle", 4200, false, "gift-candle", O::CardMessage, nullptr, 0.6,
         true, "<p>A 300 g soy wax candle scented with rose and fig.</p>",
         "<p>Hand poured into an amber glass jar with a cotton wick. Burns for about 60 hours.</p>"},
        {"GFT-703", "giftboxes", "Tolvane Teddy Bear", 3800, false, "gift-teddy", O::CardMessage, nullptr, 0.5, true,
         "<p>A soft caramel bear with a pink bow, 30 cm tall.</p>",
         "<p>Sits beautifully beside a bouquet. Safe for all ages.</p>"},
        {"GFT-704", "giftboxes", "Gourmet Gift Hamper", 14500, false, "gift-hamper", Bouquet, nullptr, 5.0, true,
         "<p>A willow basket with Tasmanian wine, honey, shortbread and fresh flowers.</p>",
         "<p>A generous basket of local treats finished with a posy of fresh flowers.</p>"
         "<ul><li>Pinot noir from the Tamar Valley</li><li>Leatherwood honey</li><li>Butter shortbread</li>"
         "<li>Recipients must be 18 or over</li></ul>"},
        {"GFT-705", "giftboxes", "Roses in a Hat Box", 16900, false, "gift-hatbox", Bouquet | O::Colour, nullptr, 3.0,
         true, "<p>Sixteen roses arranged in a navy hat box with a gold band.</p>",
         "<p>No vase needed: the roses sit in wet foam inside the box. Top up with a little water every two "
         "days.</p>"},

        // ---- vouchers
        {"VOU-801", "vouchers", "Gift Voucher $25", 2500, true, "voucher-25", O::CardMessage, nullptr, 0.0, true,
         "<p>A $25 voucher, posted in a card or sent by e-mail.</p>",
         "<p>Valid for three years on anything in the shop or on this site.</p>"},
        {"VOU-802", "vouchers", "Gift Voucher $50", 5000, true, "voucher-50", O::CardMessage, nullptr, 0.0, true,
         "<p>A $50 voucher, posted in a card or sent by e-mail.</p>",
         "<p>Valid for three years on anything in the shop or on this site.</p>"},
        {"VOU-803", "vouchers", "Gift Voucher $100", 10000, true, "voucher-100", O::CardMessage, nullptr, 0.0, true,
         "<p>A $100 voucher, posted in a card or sent by e-mail.</p>",
         "<p>Valid for three years on anything in the shop or on this site.</p>"},
    };
    return products;
}

const QList<TCustomFieldEntry>& CustomFields()
{
    static const QList<TCustomFieldEntry> fields{
        {Colour, "Colour", "Flower colour", "A drop down list", 0, 1, "Red", "Red\nPink\nWhite\nYellow\nPeach"},
        {Size, "Size", "Size", "A drop down list", 0, 1, "Medium", "Small\nMedium\nLarge"},
        {CardMessage, "Card message", "Message for the card, written by hand", "Multiple Line Edit box", 40, 4, "", ""},
        {DeliveryDate, "Delivery date", "Preferred delivery date", "Single Line Edit box", 12, 0, "", ""},
    };
    return fields;
}

const QList<TGuideEntry>& Guides()
{
    static const QList<TGuideEntry> guides{
        {"flowers", "flower-care-guide.pdf", "Caring for your cut flowers",
         "How to keep a bouquet fresh for longer, on one page.",
         {
             {"When your flowers arrive",
              {"Unwrap the bouquet as soon as you can and give it a drink: flowers travel in water, but they "
               "are thirsty after the trip.",
               "* Fill a clean vase two-thirds with cool tap water.",
               "* Stir in the sachet of flower food.",
               "* Cut 2 cm off each stem at an angle with a sharp knife or secateurs.",
               "* Strip any leaves that would sit below the water line."}},
             {"Every two days",
              {"Empty the vase, rinse it and refill it with fresh water. Trim the stems again by 1 cm. A clean "
               "vase is the single biggest help to a long vase life.",
               "Remove flowers as they fade so that they do not shorten the life of the others."}},
             {"Where to put them",
              {"Keep flowers away from direct sun, heaters, draughts and the fruit bowl: ripening fruit gives "
               "off a gas that makes flowers age faster.",
               "On warm nights, a cool room (or the laundry) keeps them fresh for the morning."}},
             {"Roses",
              {"If a rose head droops, re-cut the stem under water and stand it in deep, lukewarm water for an "
               "hour. Gently pull off any bruised outer petals."}},
             {"Lilies",
              {"Pull the orange anthers off as each lily opens: the pollen stains clothes and table cloths. If "
               "it does, brush it off with a dry cloth, never with water.",
               "Lilies are toxic to cats: keep them out of reach."}},
             {"Questions?",
              {"Call us on (03) 6555 0142 or write to orders@flowers-tolvane.example. If a bouquet does not "
               "last at least five days, tell us and we will replace it."}},
         }},
        {"plants", "indoor-plant-care.pdf", "Indoor plant care guide",
         "Light, water and feeding for the house plants we sell.",
         {
             {"Light",
              {"Most house plants like bright light without direct midday sun. A spot a metre or two from a "
               "north-facing window suits nearly all of them.",
               "* Peace lily, Boston fern and snake plant also manage in lower light.",
               "* Orchids, African violets and succulents want the brightest spot you have."}},
             {"Water",
              {"More house plants are lost to too much water than too little. Water when the top two "
               "centimetres of soil are dry, then let the pot drain: never leave a plant standing in water.",
               "In winter most plants need about half as much water as in summer."}},
             {"Feeding",
              {"Feed every four weeks from spring to autumn with a liquid fertiliser at half strength. Do not "
               "feed in winter."}},
             {"Leaves",
              {"Wipe dust off large leaves with a damp cloth so that they can use the light. Ferns and orchids "
               "enjoy a light mist on warm days."}},
             {"Repotting",
              {"Move a plant to a pot one size larger when roots grow out of the drainage holes, preferably "
               "in spring. Use a good quality potting mix; orchids need orchid bark."}},
             {"Pets",
              {"Peace lilies, monstera and snake plants are toxic if chewed by cats and dogs. Succulents, "
               "African violets, orchids and Boston ferns are safe choices for pet owners."}},
         }},
    };
    return guides;
}

const QList<TPageEntry>& Pages()
{
    static const QList<TPageEntry> pages{
        {"Welcome", true,
         "<h1>Welcome to Flowers Tolvane</h1>\n"
         "<p>Fresh flowers, plants and gifts, arranged by hand in our Marigold Street workroom and delivered "
         "across Tasmania.</p>\n"
         "<p>Every bouquet is made on the day it is delivered, from flowers that come straight from Tasmanian "
         "growers wherever we can. Order by 1 pm for same-day delivery in Tolvane and the surrounding "
         "towns.</p>\n"
         "<h2>This season</h2>\n"
         "<ul>\n<li>Spend over $100 and take 10% off your whole order.</li>\n"
         "<li>Tasmanian waratahs are in from September: ask for our native posy.</li>\n"
         "<li>Planning a wedding? Book a free consultation with our wedding florist.</li>\n</ul>\n"},
        {"About us", false,
         "<h1>About us</h1>\n"
         "<p>Flowers Tolvane opened in 1998 in a tin-roofed shop on Marigold Street. Maren Ashcombe still runs "
         "it, with a team of four florists and one very patient delivery driver.</p>\n"
         "<p>We buy from local growers first: tulips from the north-west coast, roses from the Derwent Valley, "
         "lavender from Nabowla and natives from our own back paddock. What we cannot grow here we buy from "
         "growers we know by name.</p>\n"
         "<p>We compost our green waste, wrap in recycled paper and deliver in an electric van.</p>\n"
         "<h2>Visit the shop</h2>\n"
         "<p>27 Marigold Street, Tolvane TAS 7316<br>\nMonday to Friday 8 am to 5.30 pm, Saturday 8 am to "
         "1 pm<br>\nPhone (03) 6555 0142</p>\n"},
        {"Delivery information", false,
         "<h1>Delivery information</h1>\n"
         "<h2>When we deliver</h2>\n"
         "<p>We deliver Monday to Saturday. Orders placed by 1 pm on a weekday (11 am on Saturday) are "
         "delivered the same day in Tolvane and within 30 km of the shop. Other Tasmanian addresses receive "
         "their flowers the next working day.</p>\n"
         "<h2>What it costs</h2>\n"
         "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
         "<tr><th>Order total</th><th>Tolvane area</th><th>Rest of Australia</th><th>Overseas</th></tr>\n"
         "<tr><td>Up to $49.99</td><td>$12.00</td><td>$18.00</td><td>$45.00</td></tr>\n"
         "<tr><td>$50 to $99.99</td><td>$9.00</td><td>$15.00</td><td>$40.00</td></tr>\n"
         "<tr><td>$100 and over</td><td>Free</td><td>$10.00</td><td>$35.00</td></tr>\n"
         "</table>\n"
         "<h2>Interstate and overseas</h2>\n"
         "<p>Fresh flowers go to Tasmanian addresses only. Plants travel to the rest of Australia by overnight "
         "courier, except to Western Australia, which does not allow them in. Vases, gifts and vouchers can "
         "be sent anywhere in the world.</p>\n"
         "<h2>Nobody home?</h2>\n"
         "<p>We leave flowers in a shaded, safe place and let the recipient know by card. Tell us at checkout "
         "if there is a neighbour or a side door we should use.</p>\n"},
    };
    return pages;
}

} // namespace TSampleContent
