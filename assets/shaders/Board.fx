// The tiles of the board, twelve to a draw. Every copy of the tile in the batch carries
// its copy number in the fourth component of its position, which picks its colour and
// its placement from the palettes. A tile is a solid block: its top faces the light, its
// sides fall away into shade, and the tile picture (light centre, darker rim) is tinted
// by the tile's colour. A colour whose alpha is below 1 marks the goal, which is white
// like a White tile: it gets a chequered face, like a finishing flag. An alpha of 2 + n
// puts the symbol of die colour n on the tile's upward faces, pressed on from above and
// turned to stand upright for the camera, which looks along +z turned 26 degrees
// towards +x. The symbols have a technique of their own: a software renderer works
// through the lookup of a branch for every pixel even where no pixel takes it, so the
// board is drawn without it while the symbols are hidden.

uniform mat4 g_viewProjection;
uniform mat4 g_view;
uniform vec4 g_colorPalette[12];
uniform mat4 g_transformPalette[12];
uniform vec3 g_lightDirection;
uniform float g_ambientLight;
uniform float g_directLight;
uniform sampler2D g_diffuseTexture;
uniform sampler2D g_symbolTexture;

shared {
    varying vec2 v_uv;
    varying vec4 v_color;
    varying float v_light;
    varying vec2 v_symbolUv;
    varying float v_up;

    // The tile picture tinted by the tile's colour and lit, chequered on the goal.
    vec3 tileFace() {
        vec3 face = texture2D(g_diffuseTexture, v_uv).rgb;
        vec2 square = floor(v_uv * 4.0);
        float dark = mod(square.x + square.y, 2.0) * step(v_color.a, 0.99);
        return v_color.rgb * face * v_light * (1.0 - 0.8 * dark);
    }
}

vertex TileVS {
    attribute vec4 position : POSITION;
    attribute vec3 normal   : NORMAL;
    attribute vec2 uv       : TEXCOORD0;
    void main() {
        int copy = int(position.w + 0.5);
        mat4 placement = g_transformPalette[copy];
        v_uv = uv;
        // The faces of a block are flat, so light worked out at the corners is as good as
        // light worked out at every pixel, and much cheaper for a software renderer.
        vec3 n = normalize(mat3(placement) * normal);
        // Enough ambient light that the shaded sides keep their colour.
        v_light = g_ambientLight + g_directLight * max(dot(n, normalize(g_lightDirection)), 0.0);
        v_color = g_colorPalette[copy];
        // The symbol's cell spans 0.85 of a tile, its right the camera's right on the
        // ground, its top away from the camera.
        const vec2 right = vec2(-0.902, 0.434);
        const vec2 away = vec2(0.434, 0.902);
        v_symbolUv = 0.5 + vec2(dot(position.xz, right), -dot(position.xz, away)) / 0.85;
        v_up = normal.y;
        gl_Position = g_viewProjection * (placement * vec4(position.xyz, 1.0));
    }
}

fragment TileFS {
    void main() { gl_FragColor = vec4(tileFace(), 1.0); }
}

fragment SymbolTileFS {
    void main() {
        vec3 color = tileFace();
        // Unmarked tiles, the sides and the rim of the top around the symbol keep the face.
        vec2 fromMiddle = v_symbolUv - 0.5;
        if (v_color.a > 1.5 && v_up > 0.9 && dot(fromMiddle, fromMiddle) < 0.2) {
            // The symbols lie four to a row, two rows, a die colour to a cell, each within
            // 0.43 of its cell's width of the middle.
            float n = floor(v_color.a - 1.5);
            vec2 cell = vec2(mod(n, 4.0), floor(n / 4.0));
            vec4 mark = texture2D(g_symbolTexture, (cell + v_symbolUv) / vec2(4.0, 2.0));
            // Dimmed with the tile when it is visited or the game is paused, but less, so
            // it stays clear on a dark tile.
            float shade = sqrt(max(v_color.r, max(v_color.g, v_color.b)));
            color = mix(color, mark.rgb * shade * v_light, mark.a);
        }
        gl_FragColor = vec4(color, 1.0);
    }
}

technique Technique1 {
    pass {
        VertexProgram = TileVS;
        FragmentProgram = TileFS;
        DepthTestEnable = true;
        DepthMask = true;
        BlendEnable = false;
        CullFaceEnable = true;
        CullFace = Back;
    }
}

technique Symbols {
    pass {
        VertexProgram = TileVS;
        FragmentProgram = SymbolTileFS;
        DepthTestEnable = true;
        DepthMask = true;
        BlendEnable = false;
        CullFaceEnable = true;
        CullFace = Back;
    }
}
