// Captions and title images: the fixed tables and their timing.
#include "production/captions.h"
#include "production/show.h"

namespace production {

namespace {

constexpr const char* kTitleFiles[] = {
    "Data\\Text\\Loading.tga", "Data\\Text\\SeerDreams.tga", "Data\\Text\\Stih1.tga",
    "Data\\Text\\Stih2.tga",   "Data\\Text\\Stih3.tga",      "Data\\Text\\Stih4.tga",
    "Data\\Text\\TheEnd.tga",
};

// Every entry sits at x = 70. Colours are grey levels: 0 is black, 1 full strength.
struct TitleRow {
    int picture;  // into kTitleFiles
    float duration;
    float colorStart, colorEnd;
    float y0, y1;
};

constexpr TitleRow kTitleRows[] = {
    {0, 0, 1, 1, 200, 210}, {1, 3, 0, 1, 210, 210},   {1, 5, 1, 1, 210, 210},
    {1, 3, 1, 0, 210, 210}, {2, 1, 0, 1, 200, 210},   {2, 2, 1, 1, 210, 220},
    {2, 1, 1, 0, 220, 250}, {3, 1, 0, 1, 200, 210},   {3, 2, 1, 1, 210, 220},
    {3, 1, 1, 0, 220, 250}, {4, 1, 0, 1, 200, 210},   {4, 2, 1, 1, 210, 220},
    {4, 1, 1, 0, 220, 250}, {5, 1, 0, 1, 200, 210},   {5, 2, 1, 1, 210, 220},
    {5, 1, 1, 0, 220, 250}, {5, 15, 0, 0, 220, 250},  {5, 285, 0, 0, 220, 250},
    {6, 1, 0, 1, 200, 200}, {6, 100, 1, 1, 200, 200},
};

constexpr float kTitleX = 70.0f;

struct CaptionRow {
    float duration;
    const char* text;
};

constexpr CaptionRow kCaptionRows[] = {
    {27, ""},
    {6, "What we see while sleeping?"},
    {6, "Dreams..."},
    {6, "What is the dream?"},
    {6, "Who does know?"},
    {6, "What a dream brings to us?"},
    {6, "Another reality?"},
    {6, "What Taliesh dreamded about?"},
    {6, "He mighta of dreamed about the halls of Moria?"},
    {6, "Following the light you get the hope..."},
    {6, "We see what we feel..."},
    {6, "We look inside"},
    {6, "Who does know..."},
    {6, "He mighta of dreamed about an elven forest?"},
    {6, "Gloomy and mystery forest that could swallow you"},
    {6, "Many years the ring was hidden"},
    {6, "After the ring was found whole middlearth became like the night forest"},
    {6, "He mighta of dreamed about an ancient holly place?"},
    {6, "Souls wander in its halls"},
    {6, "The WAR is comming again..."},
    {6, "Whos can stop it?"},
    {6, "a Hobbit?"},
    {6, "an Elf?"},
    {6, "a Human?"},
    {6, "Together, because they are"},
    {6, "THE FELLOWSHIP OF THE RING"},
    {6, "Do you believe they will succeed?"},
    {6, "Who does know?"},
    {6, "He mighta of seen their victory in the dream..."},
    {6, "Who does really know?"},
    {100, "Or do mages sleep at all?"},
};

scene::Vector Grey(float level) {
    return scene::Vector(level, level, level, level);
}

// Colour components only: the overlay uses r, g and b.
scene::Vector Blend(const scene::Vector& from, const scene::Vector& to, float f) {
    return scene::Vector(from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f,
                         from.z + (to.z - from.z) * f);
}

void ShowEntry(const TitleImage& entry, float f) {
    show.titleColor = Blend(entry.colorStart, entry.colorEnd, f);
    show.titlePosition[0] = static_cast<int32_t>(entry.x0 + (entry.x1 - entry.x0) * f);
    show.titlePosition[1] = static_cast<int32_t>(entry.y0 + (entry.y1 - entry.y0) * f);
    show.titleImage = entry.image;
}

void AdvanceCaption(float dt) {
    if (show.captionIndex >= show.captions.size()) {
        return;
    }
    Caption& caption = show.captions[show.captionIndex];
    caption.elapsed += dt;
    if (caption.elapsed > caption.duration) {
        ++show.captionIndex;
    } else {
        show.captionColor = scene::Vector(1.0f, 1.0f, 1.0f);
    }
}

void AdvanceTitle(float dt) {
    if (show.titleIndex >= show.titleImages.size()) {
        return;
    }
    TitleImage& entry = show.titleImages[show.titleIndex];
    entry.elapsed += dt;
    if (entry.duration - entry.elapsed < 0.0f) {
        NextTitleImage();
    } else {
        // An entry of no length is over at once (0 / 0 would give no position).
        ShowEntry(entry, entry.duration > 0.0f ? entry.elapsed / entry.duration : 1.0f);
    }
}

}  // namespace

void BuildCaptions() {
    for (size_t i = 0; i < show.titleTextures.size(); ++i) {
        show.titleTextures[i] = render::Texture();
        show.titleTextures[i].Load(kTitleFiles[i]);
    }
    show.titleImages.clear();
    for (const TitleRow& row : kTitleRows) {
        show.titleImages.push_back({0.0f, row.duration, Grey(row.colorStart), Grey(row.colorEnd),
                                    &show.titleTextures[static_cast<size_t>(row.picture)], kTitleX,
                                    kTitleX, row.y0, row.y1});
    }
    show.captions.clear();
    for (const CaptionRow& row : kCaptionRows) {
        show.captions.push_back({row.duration, 0.0f, row.text});
    }
    show.captionIndex = 0;
    show.captionColor = scene::Vector(0.0f, 0.0f, 0.0f);
    show.titleIndex = 0;
    show.titleImage = show.titleImages[0].image;
    show.titlePosition[0] = 70;
    show.titlePosition[1] = 180;
    show.titleColor = scene::Vector(1.0f, 1.0f, 1.0f);
}

void AdvanceCaptions(int64_t ticks) {
    float dt = static_cast<float>(static_cast<double>(ticks) * 0.0001);
    AdvanceCaption(dt);
    AdvanceTitle(dt);
}

void NextTitleImage() {
    if (show.titleIndex >= show.titleImages.size()) {
        return;
    }
    ++show.titleIndex;
    if (show.titleIndex >= show.titleImages.size()) {
        show.titleImage = nullptr;
        return;
    }
    const TitleImage& entry = show.titleImages[show.titleIndex];
    show.titleColor = entry.colorStart;
    show.titlePosition[0] = static_cast<int32_t>(entry.x0);
    show.titlePosition[1] = static_cast<int32_t>(entry.y0);
    show.titleImage = entry.image;
}

const std::string& CurrentCaption() {
    static const std::string none;
    return show.captionIndex < show.captions.size() ? show.captions[show.captionIndex].text : none;
}

}  // namespace production
