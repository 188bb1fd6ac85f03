#!/usr/bin/env python3
"""Looks at a screenshot of the program (a binary PPM from `import`) and
answers one question per call; exit status 0 means yes.

The scene is found by its own marks, not by fixed coordinates, so the same
checks hold for the Linux window and for the Windows one inside Wine's
virtual desktop: the principal axis is the first row that is mostly
black, the lens line the column with the most black above it; together
they give the view's rectangle.

  screen.py locate SHOT                  prints the view and the click targets
  screen.py ray SHOT                     a pixel of the ray colour on the central ray
  screen.py image-pixels SHOT            prints how many image-picture pixels there are
  screen.py red-status SHOT              the status strip shows red text
"""
import sys

RAY = (222, 62, 33)
BLACK = (0, 0, 0)


def read_ppm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b'P6' or int(fields[3]) != 255:
        raise SystemExit('not an 8-bit binary PPM: ' + path)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


class Shot:
    def __init__(self, path):
        self.width, self.height, self.pixels = read_ppm(path)

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def black_mask(self):
        rows = []
        stride = self.width * 3
        for y in range(self.height):
            row = self.pixels[y * stride:(y + 1) * stride]
            rows.append([row[i] == 0 and row[i + 1] == 0 and row[i + 2] == 0 for i in range(0, stride, 3)])
        return rows

    def locate(self):
        black = self.black_mask()
        axis_y, left, right = None, 0, 0
        # The axis spans the whole view, broken only where the lens picture
        # and the rays cross it: the first row that is mostly black (the
        # status strip's frame lies further down).
        for y, row in enumerate(black):
            if sum(row) >= 0.75 * self.width:
                xs = [x for x, b in enumerate(row) if b]
                axis_y, left, right = y, xs[0], xs[-1]
                break
        if axis_y is None:
            raise SystemExit('no principal axis in the screenshot')
        # The lens line: the column with the most black above the axis.
        lens_x = max(range(left, right + 1), key=lambda x: sum(black[y][x] for y in range(axis_y)))
        # It runs from the view's top edge down to the lens picture, and
        # from below the picture to the view's bottom edge: the longest black
        # stretch on either side of the axis.
        def longest(ys):
            best, run = (0, -1), None
            for y in ys:
                if black[y][lens_x]:
                    run = (run[0], y) if run else (y, y)
                    if abs(run[1] - run[0]) > abs(best[1] - best[0]):
                        best = run
                else:
                    run = None
            return best
        top = longest(range(axis_y - 1, -1, -1))[1]
        bottom = longest(range(axis_y + 1, self.height))[1]
        return {'left': left, 'top': top, 'width': right - left + 1, 'height': bottom - top + 1,
                'lens_x': lens_x, 'axis_y': axis_y}


def view_of(shot):
    view = shot.locate()
    if view['width'] < 500 or view['height'] < 300:
        raise SystemExit('no lens view found in the screenshot: %r' % view)
    return view


def cmd_locate(shot):
    v = view_of(shot)
    # The focal-length box and the update button sit at fixed distances from
    # the view's bottom-left corner.
    bottom = v['top'] + v['height']
    edit = (v['left'] + 210, bottom - 50 + 11)
    update = (v['left'] + 245 + 32, bottom - 51 + 11)
    print('view %d %d %d %d lens %d axis %d edit %d %d update %d %d' % (
        v['left'], v['top'], v['width'], v['height'], v['lens_x'], v['axis_y'],
        edit[0], edit[1], update[0], update[1]))
    return True


def cmd_ray(shot):
    """The ray through the lens centre crosses the axis there; look for its
    colour on both sides of the centre, on one straight line through it."""
    v = view_of(shot)
    cx, cy = v['lens_x'], v['axis_y']
    for dx in range(20, 80):
        x = cx - dx
        for y in range(cy - 3 * dx, cy - 2):
            if shot.at(x, y) != RAY:
                continue
            # The mirror point through the centre, allowing one pixel of rounding.
            mx, my = cx + dx, cy + (cy - y)
            for ey in (-1, 0, 1):
                if 0 <= my + ey < shot.height and shot.at(mx, my + ey) == RAY:
                    print('central ray through (%d, %d) at (%d, %d) and (%d, %d)' % (cx, cy, x, y, mx, my + ey))
                    return True
    print('no ray-coloured pixel on a line through the lens centre (%d, %d)' % (cx, cy))
    return False


def is_picture_red(c):
    return c != RAY and c[0] > 140 and c[1] < 110 and c[2] < 110 and c[0] - c[1] > 60


def cmd_image_pixels(shot):
    """Reddish pixels of the candle pictures right of the lens and clear of
    the axis labels: the real image hangs there; nothing else is red there
    but the rays, which have their own exact colour."""
    v = view_of(shot)
    count = 0
    for y in range(v['axis_y'] + 30, v['top'] + v['height']):
        for x in range(v['lens_x'] + 45, v['left'] + v['width']):
            if is_picture_red(shot.at(x, y)):
                count += 1
    print(count)
    return True


def cmd_red_status(shot):
    v = view_of(shot)
    count = 0
    for y in range(v['top'] + v['height'] + 2, shot.height):
        for x in range(v['left'], v['left'] + v['width']):
            c = shot.at(x, y)
            # Thin glyphs come out pale under Wine's anti-aliasing: count
            # anything clearly redder than it is green or blue.
            if c[0] > 150 and c[0] - max(c[1], c[2]) > 60:
                count += 1
    print('%d red pixels in the status strip' % count)
    return count >= 10


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    commands = {'locate': cmd_locate, 'ray': cmd_ray, 'image-pixels': cmd_image_pixels,
                'red-status': cmd_red_status}
    command = commands.get(sys.argv[1])
    if command is None:
        raise SystemExit(__doc__)
    sys.exit(0 if command(Shot(sys.argv[2])) else 1)


if __name__ == '__main__':
    main()
