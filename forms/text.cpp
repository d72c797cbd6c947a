// Fonts and text: fontconfig aliases for the Windows face names, pango layouts in pixels.
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/graphics.h"
#include "forms/graphics_internal.h"
#include "platform/failure.h"

namespace xpexam::forms {
namespace {

// One rule per Windows name; "assign" replaces the name in place so that the usual fallbacks
// (which fill characters UMing lacks from Zen Hei) still follow it.
constexpr struct {
  const char* name;
  const char* family;
} kAliases[] = {
    {"宋体", "AR PL UMing CN"},          {"SimSun", "AR PL UMing CN"},
    {"新宋体", "AR PL UMing CN"},        {"NSimSun", "AR PL UMing CN"},
    {"黑体", "WenQuanYi Zen Hei"},       {"SimHei", "WenQuanYi Zen Hei"},
    {"楷体_GB2312", "AR PL UKai CN"},    {"楷体", "AR PL UKai CN"},
    {"KaiTi", "AR PL UKai CN"},          {"KaiTi_GB2312", "AR PL UKai CN"},
    {"隶书", "AR PL UKai CN"},           {"LiSu", "AR PL UKai CN"},
    {"Times New Roman", "DejaVu Serif"}, {"Arial", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},           {"MS Sans Serif", "DejaVu Sans"},
};

std::string AliasRules() {
  std::string xml = "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>";
  for (const auto& a : kAliases)
    xml += std::string("<match target=\"pattern\"><test name=\"family\"><string>") + a.name +
           "</string></test><edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>" + a.family +
           "</string></edit></match>";
  return xml + "</fontconfig>";
}

struct TextState {
  PangoFontMap* font_map = nullptr;
  PangoContext* context = nullptr;
  double twips_per_pixel = 15.0;
  std::unordered_map<std::string, PangoFontDescription*> fonts;
  std::unordered_map<std::string, internal::LaidOutText> layouts;
};

TextState& State() {
  static TextState state;
  return state;
}

void ClearCaches() {
  auto& s = State();
  for (auto& [k, d] : s.fonts) pango_font_description_free(d);
  for (auto& [k, l] : s.layouts) g_object_unref(l.layout);
  s.fonts.clear();
  s.layouts.clear();
}

PangoContext* Context() {
  InitFonts();
  return State().context;
}

int FontPixels(double points) { return std::max(1, static_cast<int>(std::lround(PointsToPixels(points)))); }

std::string FontKey(const Font& f) {
  return f.name + '\x1f' + std::to_string(FontPixels(f.size)) + (f.bold ? 'b' : '-') + (f.italic ? 'i' : '-');
}

PangoFontDescription* DescriptionFor(const Font& f) {
  auto& cache = State().fonts;
  std::string key = FontKey(f);
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, f.name.c_str());
  pango_font_description_set_absolute_size(d, FontPixels(f.size) * PANGO_SCALE);
  pango_font_description_set_weight(d, f.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, f.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  cache.emplace(std::move(key), d);
  return d;
}

// Text as shown: "&x" marks x as the access key (underlined), "&&" is a literal "&".
struct ShownText {
  std::string text;
  std::vector<std::pair<int, int>> underlined;  // byte ranges
};

size_t Utf8Length(unsigned char lead) {
  return lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 1;
}

ShownText Shown(std::string_view in, const TextStyle& style) {
  ShownText out;
  out.text.reserve(in.size());
  for (size_t i = 0; i < in.size();) {
    char c = in[i];
    if (style.single_line && (c == '\r' || c == '\n')) {
      ++i;
    } else if (style.access_keys && c == '&') {
      if (i + 1 >= in.size()) break;
      if (in[i + 1] == '&') {
        out.text += '&';
        i += 2;
        continue;
      }
      size_t n = std::min(Utf8Length(static_cast<unsigned char>(in[i + 1])), in.size() - i - 1);
      if (style.access_underline && in[i + 1] != '\r' && in[i + 1] != '\n')
        out.underlined.emplace_back(static_cast<int>(out.text.size()), static_cast<int>(out.text.size() + n));
      ++i;
    } else {
      size_t n = std::min(Utf8Length(static_cast<unsigned char>(c)), in.size() - i);
      out.text.append(in.substr(i, n));
      i += n;
    }
  }
  return out;
}

}  // namespace

void InitFonts() {
  static std::once_flag once;
  std::call_once(once, [] {
    // Fontconfig and pango pick their default language from the environment and cache it; the
    // same text must come out with the same fonts whatever the machine's locale.
    setenv("FC_LANG", "zh-cn", 1);
    setenv("PANGO_LANGUAGE", "zh-cn", 1);
    FcInit();
    FcConfig* config = FcConfigGetCurrent();
    std::string rules = AliasRules();
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.c_str()), FcTrue))
      platform::Fail(platform::kErrInvalidCall, "Font alias rules rejected by fontconfig");
    auto& s = State();
    s.font_map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (!s.font_map) platform::Fail(platform::kErrInvalidCall, "No FreeType font map in pango");
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(s.font_map), config);
    s.context = pango_font_map_create_context(s.font_map);
    pango_context_set_language(s.context, pango_language_from_string("zh-cn"));
    pango_context_set_base_dir(s.context, PANGO_DIRECTION_LTR);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(s.context, options);
    cairo_font_options_destroy(options);
  });
}

void SetTwipsPerPixel(double twips_per_pixel) {
  if (!(twips_per_pixel > 0) || twips_per_pixel == State().twips_per_pixel) return;
  State().twips_per_pixel = twips_per_pixel;
  ClearCaches();
}

double TwipsPerPixel() { return State().twips_per_pixel; }

double PointsToPixels(double points) { return points * 20.0 / State().twips_per_pixel; }

namespace internal {

PangoContext* TextContext() { return Context(); }

const PangoFontDescription* FontDescription(const Font& font) {
  Context();
  return DescriptionFor(font);
}

const LaidOutText& LayoutFor(std::string_view text, const TextStyle& style, int wrap_width) {
  PangoContext* context = Context();
  auto& cache = State().layouts;
  const Font& f = style.font;
  std::string key = FontKey(f);
  key += f.underline ? 'u' : '-';
  key += style.access_keys ? (style.access_underline ? '&' : '_') : '-';
  key += style.single_line ? 's' : '-';
  key += static_cast<char>('0' + static_cast<int>(style.align));
  key += std::to_string(wrap_width);
  key += '\x1f';
  key += text;
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  // Forms change few texts per frame; a bounded cache dropped wholesale keeps this simple.
  if (cache.size() >= 512) {
    for (auto& [k, l] : cache) g_object_unref(l.layout);
    cache.clear();
  }
  ShownText shown = Shown(text, style);
  PangoFontDescription* desc = DescriptionFor(f);
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_font_description(layout, desc);
  pango_layout_set_text(layout, shown.text.data(), static_cast<int>(shown.text.size()));
  LaidOutText laid_out;
  laid_out.layout = layout;
  laid_out.underlined = f.underline ? decltype(shown.underlined){{0, static_cast<int>(shown.text.size())}}
                                    : std::move(shown.underlined);
  if (!laid_out.underlined.empty()) {
    PangoFontMetrics* m = pango_context_get_metrics(context, desc, nullptr);
    laid_out.underline_offset = std::max(1, PANGO_PIXELS(-pango_font_metrics_get_underline_position(m)));
    laid_out.underline_thickness = std::max(1, PANGO_PIXELS(pango_font_metrics_get_underline_thickness(m)));
    pango_font_metrics_unref(m);
  }
  pango_layout_set_alignment(layout, style.align == Align::kCenter  ? PANGO_ALIGN_CENTER
                                     : style.align == Align::kRight ? PANGO_ALIGN_RIGHT
                                                                    : PANGO_ALIGN_LEFT);
  if (wrap_width >= 0) {
    pango_layout_set_width(layout, std::max(1, wrap_width) * PANGO_SCALE);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  }
  return cache.emplace(std::move(key), std::move(laid_out)).first->second;
}

}  // namespace internal

TextSize MeasureText(std::string_view text, const TextStyle& style, int wrap_width) {
  PangoRectangle logical;
  pango_layout_get_pixel_extents(internal::LayoutFor(text, style, wrap_width).layout, nullptr, &logical);
  return {logical.width, logical.height};
}

std::string ResolvedFontFamily(const Font& font, std::string_view sample) {
  TextStyle style;
  style.font = font;
  PangoLayout* layout = internal::LayoutFor(sample, style, -1).layout;
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  std::string family;
  PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
  if (run && PANGO_IS_FC_FONT(run->item->analysis.font)) {
    // The English name: pango describes fonts by the name in the pinned language.
    FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(run->item->analysis.font));
    FcChar8* name = nullptr;
    FcChar8* lang = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
      if (i == 0) family = reinterpret_cast<const char*>(name);
      if (FcPatternGetString(pattern, FC_FAMILYLANG, i, &lang) == FcResultMatch &&
          std::string_view(reinterpret_cast<const char*>(lang)) == "en") {
        family = reinterpret_cast<const char*>(name);
        break;
      }
    }
  }
  pango_layout_iter_free(iter);
  return family;
}

}  // namespace xpexam::forms
