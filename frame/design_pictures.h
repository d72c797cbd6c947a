#pragma once
// Pictures that belong to a window's design rather than to the installation, drawn by code.
#include "forms/graphics.h"

namespace xpexam::frame {

// The question bar's mini bar (54 x 58): a blue tile with a drag strip along its top and a
// restore sign under the restore label.
forms::PicturePtr MiniBarPicture();
// The candidate panel's sample photo (97 x 116): a head-and-shoulders silhouette.
forms::PicturePtr CandidatePhoto();

}  // namespace xpexam::frame
