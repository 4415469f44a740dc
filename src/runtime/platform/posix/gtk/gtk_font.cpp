#include "gtk_toolkit.h"

namespace pendrel_gtk {

namespace {

// Underline and strike-out are drawing attributes, not part of a font description.
struct Font {
  PangoFontDescription* description = nullptr;
  bool underline = false;
  bool strikeOut = false;
};

GtkLabel* LabelOf(Native gadget) {
  auto* inner =
      static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(Widget(gadget)), "pendrel-inner"));
  if (GTK_IS_BUTTON(inner)) inner = gtk_bin_get_child(GTK_BIN(inner));
  return GTK_IS_LABEL(inner) ? GTK_LABEL(inner) : nullptr;
}

}  // namespace

// A face that is not installed is matched by fontconfig to the closest one installed.
Native GtkToolkit::LoadFont(const std::string& face, int32_t points, uint32_t flags) {
  auto* font = new Font;
  font->description = pango_font_description_new();
  pango_font_description_set_family(font->description, face.empty() ? "Sans" : face.c_str());
  pango_font_description_set_size(font->description, points * PANGO_SCALE);
  if (flags & rt::FontBold) pango_font_description_set_weight(font->description, PANGO_WEIGHT_BOLD);
  if (flags & rt::FontItalic)
    pango_font_description_set_style(font->description, PANGO_STYLE_ITALIC);
  font->underline = flags & rt::FontUnderline;
  font->strikeOut = flags & rt::FontStrikeOut;
  return ToNative(font);
}

void GtkToolkit::FreeFont(Native native) {
  auto* font = reinterpret_cast<Font*>(native);
  pango_font_description_free(font->description);
  delete font;
}

// The label keeps its own copy of the attributes, so the font may be freed afterwards.
void GtkToolkit::SetFont(Native gadget, Native native) {
  GtkLabel* label = LabelOf(gadget);
  if (!label) return;
  const auto* font = reinterpret_cast<const Font*>(native);
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_font_desc_new(font->description));
  if (font->underline)
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font->strikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  gtk_label_set_attributes(label, attributes);
  pango_attr_list_unref(attributes);
}

}  // namespace pendrel_gtk
