// The isometric look of the town: plots seen from the bottom of the screen, 2:1 diamonds,
// light from the top left. Pictures are built from convex solids (boxes, roofs, prisms)
// whose visible faces are shaded by the light, plus ground decals and soft cast shadows.
//
// Model coordinates: u and v run 0..1 across one plot (u towards the top-right corner of
// the diamond, v towards the bottom-right), z is the height in pixels. A turn rotates the
// model by quarter turns about the plot centre before it is drawn, giving the four views.
#pragma once

#include <functional>
#include <vector>

#include "ArtCore.h"
#include "ArtDraw.h"

namespace art {

struct P3 {
  double u = 0, v = 0, z = 0;
};
P3 operator+(P3 a, P3 b);
P3 operator-(P3 a, P3 b);
P3 operator*(P3 a, double f);

class Iso {
 public:
  // Diamond centre (cx, cy) on the canvas, half sizes of one plot's diamond, and the turn.
  Iso(double cx, double cy, double halfWidth, double halfHeight, int turn);

  P3 Turn(P3 p) const;
  P3 TurnDirection(P3 d) const;
  void Screen(P3 p, double& x, double& y) const;
  // Affine map from local (s, t) to the canvas for the plane Origin + s Axis1 + t Axis2.
  cairo_matrix_t PlaneMatrix(P3 origin, P3 axis1, P3 axis2) const;
  // Brightness factor of a face with this model-space outward normal (metric units).
  double Shade(P3 normal) const;
  bool Visible(P3 normal) const;
  // Nearness to the viewer: larger is drawn later.
  double Depth(P3 p) const;
  // Ground offset (model units) of the shadow of a point at height z.
  P3 ShadowAt(double z) const;
  double Zoom() const { return halfW_ / 126.0; }
  int TurnIndex() const { return turn_; }

 private:
  double cx_, cy_, halfW_, halfH_;
  int turn_;
};

// Converts a model-space vector to metric space, where normals and lighting are computed.
P3 Metric(P3 d);
P3 Cross(P3 a, P3 b);

// What a face detail painter knows: it draws in face-local coordinates whose x runs along
// the face (0..Width) and y runs down from its top edge (0..Height), in pixels.
struct FaceInfo {
  double width = 0, height = 0;
  double shade = 1;
  int side = -1;  // for walls: 0 u-min, 1 u-max, 2 v-min, 3 v-max; -1 otherwise
};
using Detail = std::function<void(cairo_t*, const FaceInfo&)>;

struct Face {
  std::vector<P3> points;  // convex, model space
  Rgb colour;
  P3 origin, axisS, axisT;  // local frame for the detail painter (t grows downwards)
  double width = 0, height = 0;
  int side = -1;
  Detail detail;
  bool outline = true;
};

struct Solid {
  std::vector<Face> faces;
  P3 anchor;  // depth reference
  double order = 0;  // tie breaker among equal depths (higher later)
  std::vector<P3> shadowPoints;  // points whose ground shadows make the cast shadow
  std::function<void(cairo_t*, const Iso&)> custom;  // for billboards such as trees
};

class Scene {
 public:
  explicit Scene(const Iso& iso) : iso_(iso) {}
  const Iso& View() const { return iso_; }

  // Paints on the ground in percent coordinates: (0..100, 0..100) over the plot.
  void Ground(std::function<void(cairo_t*)> paint);
  void Add(Solid solid);
  // A round soft shadow on the ground at (u, v) for an object of height z and radius r.
  void BlobShadow(double u, double v, double r, double z);
  void Render(cairo_t* cr, double shadowAlpha = 0.32);

 private:
  const Iso& iso_;
  std::vector<std::function<void(cairo_t*)>> ground_;
  std::vector<Solid> solids_;
  struct Blob {
    double u, v, r, z;
  };
  std::vector<Blob> blobs_;
  void RenderShadows(cairo_t* cr, double alpha);
  void RenderSolid(cairo_t* cr, const Solid& solid);
};

// Solids. Sides: 0 u-min, 1 u-max, 2 v-min, 3 v-max. A wall's local x runs left to right as
// seen from outside.
struct Box {
  double u0, v0, u1, v1, z0, z1;
};
using WallDetail = std::function<void(cairo_t*, const FaceInfo&)>;

Solid BoxSolid(const Box& b, Rgb wall, Rgb top, const WallDetail& walls = nullptr,
               const Detail& topDetail = nullptr);
// Gable roof over the footprint, ridge along u (alongU) or v, eaves at z, ridge at z + rise.
Solid GableRoof(const Box& footprint, bool alongU, double rise, double overhang, Rgb roof,
                Rgb gable, const Detail& slopeDetail = nullptr,
                const WallDetail& gableDetail = nullptr);
// Hip (pyramid when square) roof.
Solid HipRoof(const Box& footprint, double rise, double overhang, Rgb roof,
              const Detail& slopeDetail = nullptr);
// Upright prism with a regular polygon base (a cylinder with many sides).
Solid Prism(double cu, double cv, double radius, double z0, double z1, int sides, Rgb colour,
            Rgb top);
Solid Cone(double cu, double cv, double radius, double z0, double z1, int sides, Rgb colour);

// Standard details.
void TileLines(cairo_t* cr, const FaceInfo& f, Rgb roof, double spacing);
Rgb Lit(Rgb c, double shade);

}  // namespace art
