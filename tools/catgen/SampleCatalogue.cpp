#include "tools/catgen/CatalogueGenerator.h"

#include "catalogue/ColourMath.h"
#include "tools/catgen/CatalogueDocument.h"
#include "tools/catgen/CatalogueFolder.h"

#include <span>

namespace {

constexpr int textureSize = 256;

struct Product {
    const char* mode;
    const char* surface;
    const char* name;
    const char* structure;
    const char* description;
    const char* remarks;
};

struct Family {
    const char* name;
    const char* lowerCase;
    double hue;
    double saturation;
};

struct Tone {
    const char* prefix;
    double lightness;
};

struct NamedColour {
    const char* name;
    Rgb rgb;
};

struct NamedTexture {
    const char* colourName;
    const char* file;
    TextureRecipe recipe;
};

const Family families[] = {
    {"Vanília", "vanília", 48, 0.60},
    {"Homok", "homok", 38, 0.35},
    {"Barack", "barack", 24, 0.75},
    {"Korall", "korall", 8, 0.65},
    {"Málna", "málna", 345, 0.50},
    {"Rózsa", "rózsa", 330, 0.40},
    {"Levendula", "levendula", 270, 0.35},
    {"Szilva", "szilva", 290, 0.28},
    {"Ibolya", "ibolya", 258, 0.40},
    {"Búzavirág", "búzavirág", 225, 0.55},
    {"Égkék", "égkék", 205, 0.55},
    {"Acélkék", "acélkék", 210, 0.22},
    {"Türkiz", "türkiz", 178, 0.45},
    {"Menta", "menta", 150, 0.38},
    {"Zsálya", "zsálya", 100, 0.18},
    {"Pisztácia", "pisztácia", 85, 0.40},
    {"Olíva", "olíva", 62, 0.35},
    {"Citrom", "citrom", 54, 0.80},
    {"Mustár", "mustár", 44, 0.65},
    {"Okker", "okker", 34, 0.60},
    {"Terrakotta", "terrakotta", 14, 0.50},
    {"Mogyoró", "mogyoró", 30, 0.30},
    {"Kávé", "kávé", 24, 0.22},
    {"Kőszürke", "kőszürke", 40, 0.06},
};

constexpr Tone pale{"Halvány", 0.88};
constexpr Tone light{"Világos", 0.77};
constexpr Tone plain{"", 0.64};
constexpr Tone deep{"Mély", 0.50};
constexpr Tone dark{"Sötét", 0.36};

const NamedColour woodStains[] = {
    {"Színtelen", {236, 226, 204}}, {"Fenyő", {214, 170, 104}},       {"Vörösfenyő", {196, 122, 72}},
    {"Tölgy", {176, 128, 74}},      {"Teak", {160, 100, 52}},         {"Cseresznye", {150, 74, 50}},
    {"Mahagóni", {112, 50, 36}},    {"Dió", {104, 70, 46}},           {"Paliszander", {78, 48, 36}},
    {"Ében", {46, 36, 32}},         {"Ezüstszürke", {160, 160, 152}}, {"Fehér", {238, 236, 228}},
};

const NamedColour metalColours[] = {
    {"Hófehér", {246, 246, 244}},     {"Krémfehér", {240, 232, 210}}, {"Gyöngyszürke", {200, 200, 194}},
    {"Ezüst", {178, 182, 186}},       {"Alumínium", {160, 164, 168}}, {"Grafit", {72, 74, 78}},
    {"Antracit", {56, 60, 64}},       {"Mélyfekete", {22, 22, 24}},   {"Tűzpiros", {190, 30, 28}},
    {"Bordó", {110, 28, 36}},         {"Narancs", {232, 112, 24}},    {"Kénsárga", {240, 200, 30}},
    {"Fűzöld", {70, 140, 60}},        {"Mohazöld", {48, 82, 50}},     {"Fenyőzöld", {28, 64, 48}},
    {"Égszínkék", {70, 130, 200}},    {"Kobaltkék", {30, 60, 140}},   {"Éjkék", {24, 32, 70}},
    {"Csokoládébarna", {82, 52, 38}}, {"Rozsdabarna", {140, 70, 40}},
};

const NamedColour floorColours[] = {
    {"Betonszürke", {150, 150, 146}},  {"Kőszürke", {124, 122, 116}},  {"Palaszürke", {92, 96, 100}},
    {"Kavicsszürke", {170, 164, 152}}, {"Homokszín", {196, 176, 140}}, {"Téglavörös", {150, 64, 48}},
    {"Oxidvörös", {120, 48, 40}},      {"Zöld", {70, 110, 80}},        {"Kék", {64, 96, 140}},
    {"Fehér", {236, 236, 232}},
};

const NamedColour radiatorColours[] = {
    {"Hófehér", {248, 248, 246}},      {"Tört fehér", {240, 236, 226}}, {"Krém", {236, 226, 196}},
    {"Gyöngyszürke", {204, 204, 198}}, {"Ezüst", {182, 186, 190}},      {"Antracit", {58, 62, 66}},
    {"Fekete", {24, 24, 26}},          {"Bézs", {214, 196, 166}},
};

const NamedTexture stones[] = {
    {"Szürke gránit",
     "textures/ko_granit_szurke.jpg",
     {TextureKind::Granite, 11, {156, 156, 154}, {92, 92, 98}}},
    {"Vörös gránit",
     "textures/ko_granit_voros.jpg",
     {TextureKind::Granite, 12, {176, 112, 96}, {84, 52, 46}}},
    {"Homokkő", "textures/ko_homokko.jpg", {TextureKind::LayeredStone, 13, {208, 182, 140}, {168, 132, 92}}},
    {"Mészkő", "textures/ko_mesko.jpg", {TextureKind::LayeredStone, 14, {222, 216, 198}, {194, 186, 166}}},
    {"Travertin",
     "textures/ko_travertin.jpg",
     {TextureKind::LayeredStone, 15, {228, 208, 172}, {190, 158, 118}}},
    {"Carrarai márvány",
     "textures/ko_marvany.jpg",
     {TextureKind::Marble, 16, {238, 238, 234}, {112, 114, 120}}},
    {"Bazalt", "textures/ko_bazalt.jpg", {TextureKind::Granite, 17, {78, 78, 80}, {40, 40, 44}}},
    {"Pala", "textures/ko_pala.jpg", {TextureKind::LayeredStone, 18, {90, 96, 100}, {58, 62, 68}}},
};

const NamedTexture mosaics[] = {
    {"Bézs", "textures/mozaik_bezs.jpg", {TextureKind::Granite, 21, {210, 190, 156}, {140, 112, 80}}},
    {"Barna", "textures/mozaik_barna.jpg", {TextureKind::Granite, 22, {150, 112, 80}, {84, 60, 42}}},
    {"Szürke", "textures/mozaik_szurke.jpg", {TextureKind::Granite, 23, {170, 170, 166}, {96, 96, 100}}},
    {"Zöldes", "textures/mozaik_zoldes.jpg", {TextureKind::Granite, 24, {150, 166, 140}, {72, 92, 70}}},
    {"Vöröses", "textures/mozaik_voroses.jpg", {TextureKind::Granite, 25, {190, 130, 110}, {110, 60, 50}}},
    {"Kékes", "textures/mozaik_kekes.jpg", {TextureKind::Granite, 26, {148, 160, 176}, {70, 82, 104}}},
};

const Product siliconePlaster{"Homlokzat",
                              "Vakolat",
                              "Szilikonvakolat",
                              "kapart 1,5 mm",
                              "Vízlepergető, páraáteresztő homlokzati vékonyvakolat",
                              "Felhordás rozsdamentes simítóval"};
const Product silicatePlaster{"Homlokzat",
                              "Vakolat",
                              "Szilikátvakolat",
                              "dörzsölt 2 mm",
                              "Ásványi kötőanyagú, lúgos kémhatású vékonyvakolat",
                              "Csak ásványi alapfelületre"};
const Product facadePaint{"Homlokzat",
                          "Vakolat",
                          "Homlokzatfesték",
                          "matt",
                          "Akril-szilikon homlokzatfesték",
                          "Két rétegben, hengerrel vagy ecsettel"};
const Product stoneCoating{"Homlokzat",
                           "Kő",
                           "Kőhatású bevonat",
                           "természetes",
                           "Természetes kő megjelenésű dekoratív homlokzati bevonat",
                           "A szín a kő mintázatából adódik"};
const Product plinthPlaster{"Homlokzat",
                            "Kő",
                            "Lábazati vakolat",
                            "mozaik",
                            "Kopásálló, színes kvarchomok alapú lábazati vakolat",
                            "Fröccsenő víznek kitett felületekre"};
const Product exteriorStain{"Homlokzat",
                            "Fa",
                            "Vékonylazúr",
                            "selyemfényű",
                            "Mélyen beszívódó vékonylazúr kültéri fára",
                            "A fa erezete látható marad"};
const Product metalPaint{"Homlokzat",
                         "Fém",
                         "Fémfesték",
                         "fényes",
                         "Rozsdagátló alapozó & fedőfesték egyben",
                         "Közvetlenül rozsdás felületre is"};
const Product wallPaint{"Beltér",
                        "Falfelület",
                        "Beltéri falfesték",
                        "matt",
                        "Kopásálló, jól fedő beltéri diszperziós falfesték",
                        "Dörzsállóság: 2. osztály"};
const Product tintedWallPaint{"Beltér",
                              "Falfelület",
                              "Beltéri falfesték",
                              "selyemmatt",
                              "Színkeverésre alkalmas, lemosható beltéri falfesték",
                              "Egyedi árnyalat a színkeverőn kikeverhető"};
const Product sandPaint{"Beltér",
                        "Falfelület",
                        "Dekorfesték",
                        "homokhatású",
                        "Finom homokszemcsés dekoratív falbevonat",
                        "Két rétegben, ecsettel dolgozva"};
const Product enamel{"Beltér",
                     "Fa",
                     "Zománcfesték",
                     "selyemfényű",
                     "Vizes bázisú zománcfesték beltéri fára",
                     "Gyorsan száradó, szagszegény"};
const Product interiorStain{"Beltér",
                            "Fa",
                            "Beltéri lazúr",
                            "matt",
                            "Vizes bázisú lazúr bútorra és burkolatra",
                            "Színtelen réteggel lezárható"};
const Product radiatorPaint{"Beltér",
                            "Fém",
                            "Radiátorfesték",
                            "fényes",
                            "Hőálló, nem sárguló radiátorfesték",
                            "Legfeljebb 120 fokos felületre"};
const Product floorPaint{"Beltér",
                         "Beton",
                         "Padlófesték",
                         "matt",
                         "Kopásálló beton- és padlófesték",
                         "Alkalmas \"A\" és \"B\" terhelési osztályra"};

std::string ToneName(const Family& family, const Tone& tone) {
    if (*tone.prefix == '\0')
        return family.name;
    return std::string(tone.prefix) + " " + family.lowerCase;
}

Rgb ToneColour(const Family& family, const Tone& tone) {
    const RgbChannels c = HslToRgb({family.hue, tone.lightness, family.saturation});
    return {c.red, c.green, c.blue};
}

class SampleWriter {
public:
    explicit SampleWriter(const std::filesystem::path& folder) : folder(folder) {}

    void Solid(const Product& p, const std::string& colourName, Rgb rgb, bool wheel) {
        CatalogueColour c = Base(p, colourName);
        SetColour(c, rgb);
        c.wheel = wheel;
        document.AddColour(std::move(c));
    }

    void Textured(const Product& p, const std::string& colourName, Rgb rgb, const std::string& texture,
                  bool wheel) {
        CatalogueColour c = Base(p, colourName);
        SetColour(c, rgb);
        c.texture = texture;
        c.wheel = wheel;
        document.AddColour(std::move(c));
    }

    // A colour that is its texture alone; the texture's mean colour stands in as its second colour.
    void TextureOnly(const Product& p, const NamedTexture& stone) {
        const Rgb mean = folder.WriteTexture(stone.file, stone.recipe, textureSize);
        CatalogueColour c = Base(p, stone.colourName);
        c.texture = stone.file;
        c.auxiliaryRed = mean.red;
        c.auxiliaryGreen = mean.green;
        c.auxiliaryBlue = mean.blue;
        document.AddColour(std::move(c));
    }

    void MixingBase(const Product& p, const std::string& colourName, Rgb rgb) {
        CatalogueColour c = Base(p, colourName);
        SetColour(c, rgb);
        c.auxiliaryColourTable = true;
        document.AddColour(std::move(c));
    }

    void Blank(const Product& p, const std::string& colourName) { document.AddColour(Base(p, colourName)); }

    void Texture(const std::string& file, const TextureRecipe& recipe) {
        folder.WriteTexture(file, recipe, textureSize);
    }

    void Finish() const { folder.WriteCatalogue(document); }

    CatalogueDocument document;

private:
    static CatalogueColour Base(const Product& p, const std::string& colourName) {
        CatalogueColour c;
        c.mode = p.mode;
        c.surface = p.surface;
        c.name = p.name;
        c.description = p.description;
        c.structure = p.structure;
        c.colourName = colourName;
        c.remarks = p.remarks;
        return c;
    }

    static void SetColour(CatalogueColour& c, Rgb rgb) {
        c.red = rgb.red;
        c.green = rgb.green;
        c.blue = rgb.blue;
    }

    CatalogueFolder folder;
};

void WriteFacade(SampleWriter& out) {
    const std::span<const Family> all(families);
    const std::span<const Family> twelve = all.first(12);

    out.Texture("textures/vakolat_finom.jpg",
                {TextureKind::FinePlaster, 1, {238, 235, 228}, {224, 220, 212}});
    for (const Family& f : twelve)
        for (const Tone& t : {pale, light, plain})
            out.Textured(siliconePlaster, ToneName(f, t), ToneColour(f, t), "textures/vakolat_finom.jpg",
                         true);

    // Written with the other separator, as catalogues edited on Windows often are.
    out.Texture("textures/vakolat_durva.jpg",
                {TextureKind::CoarsePlaster, 2, {232, 229, 222}, {212, 208, 200}});
    for (const Family& f : all.subspan(12))
        for (const Tone& t : {pale, light})
            out.Textured(silicatePlaster, ToneName(f, t), ToneColour(f, t), "textures\\vakolat_durva.jpg",
                         false);

    for (const Family& f : all)
        for (const Tone& t : {light, plain})
            out.Solid(facadePaint, ToneName(f, t), ToneColour(f, t), true);

    for (const NamedTexture& stone : stones)
        out.TextureOnly(stoneCoating, stone);
    for (const NamedTexture& mosaic : mosaics)
        out.TextureOnly(plinthPlaster, mosaic);

    out.Texture("textures/fa_tolgy.jpg", {TextureKind::Wood, 3, {204, 172, 128}, {146, 104, 64}});
    for (const NamedColour& stain : woodStains)
        out.Textured(exteriorStain, stain.name, stain.rgb, "textures/fa_tolgy.jpg", false);

    for (const NamedColour& c : metalColours)
        out.Solid(metalPaint, c.name, c.rgb, true);
}

void WriteInterior(SampleWriter& out) {
    const std::span<const Family> all(families);

    for (const Family& f : all)
        for (const Tone& t : {pale, light, plain, deep})
            out.Solid(wallPaint, ToneName(f, t), ToneColour(f, t), true);

    out.MixingBase(tintedWallPaint, "Keverőbázis", {250, 250, 248});
    for (const Family& f : all.first(12))
        out.Solid(tintedWallPaint, ToneName(f, light), ToneColour(f, light), false);

    out.Texture("textures/dekor_homok.jpg",
                {TextureKind::CoarsePlaster, 4, {230, 222, 206}, {206, 196, 176}});
    for (const Family& f : all.subspan(12))
        out.Textured(sandPaint, ToneName(f, pale), ToneColour(f, pale), "textures/dekor_homok.jpg", false);
    out.Blank(sandPaint, "Egyedi árnyalat");

    for (const Family& f : all.first(16))
        out.Solid(enamel, ToneName(f, dark), ToneColour(f, dark), true);

    out.Texture("textures/fa_fenyo.jpg", {TextureKind::Wood, 5, {226, 196, 150}, {184, 140, 92}});
    for (const NamedColour& stain : std::span<const NamedColour>(woodStains).first(10))
        out.Textured(interiorStain, stain.name, stain.rgb, "textures/fa_fenyo.jpg", false);

    for (const NamedColour& c : radiatorColours)
        out.Solid(radiatorPaint, c.name, c.rgb, false);
    for (const NamedColour& c : floorColours)
        out.Solid(floorPaint, c.name, c.rgb, false);
}

struct AuxiliaryHue {
    const char* name;
    double hue;
};

struct AuxiliaryTone {
    const char* prefix;
    double lightness;
    double saturation;
};

void WriteTintingTable(CatalogueDocument& document) {
    const AuxiliaryHue hues[] = {{"vörös", 0},       {"narancs", 28},     {"okker", 40},    {"sárga", 55},
                                 {"sárgászöld", 80}, {"zöld", 120},       {"smaragd", 150}, {"türkiz", 180},
                                 {"kék", 215},       {"ultramarin", 235}, {"ibolya", 275},  {"bíbor", 320}};
    const AuxiliaryTone tones[] = {
        {"Halvány", 0.85, 0.55}, {"Világos", 0.70, 0.65}, {"Telt", 0.50, 0.75}, {"Mély", 0.32, 0.70}};
    for (const AuxiliaryTone& tone : tones) {
        for (const AuxiliaryHue& hue : hues) {
            const RgbChannels c = HslToRgb({hue.hue, tone.lightness, tone.saturation});
            document.AddAuxiliaryColour({std::string(tone.prefix) + " " + hue.name, c.red, c.green, c.blue});
        }
    }
    document.AddAuxiliaryColour({"Titánfehér", 250, 250, 248});
    document.AddAuxiliaryColour({"Világosszürke", 190, 190, 188});
    document.AddAuxiliaryColour({"Sötétszürke", 96, 96, 96});
    document.AddAuxiliaryColour({"Oxidfekete", 28, 28, 30});
}

} // namespace

void WriteSampleCatalogue(const std::filesystem::path& folder) {
    SampleWriter out(folder);
    WriteFacade(out);
    WriteInterior(out);
    WriteTintingTable(out.document);
    out.document.AddSetting("weblink", "https://www.tarnova.example/szinek");
    out.document.AddSetting("colourmixer.amountofcolour", "0.6");
    out.Finish();
}
