// The tiles of the board, twelve to a draw. Every copy of the tile in the batch carries
// its copy number in the fourth component of its position, which picks its colour and
// its placement from the palettes. A tile is a solid block: its top faces the light, its
// sides fall away into shade, and the tile picture (light centre, darker rim) is tinted
// by the tile's colour. A colour whose alpha is below 1 marks the goal, which is white
// like a White tile: it gets a chequered face, like a finishing flag.

uniform mat4 g_viewProjection;
uniform mat4 g_view;
uniform vec4 g_colorPalette[12];
uniform mat4 g_transformPalette[12];
uniform vec3 g_lightDirection;
uniform sampler2D g_diffuseTexture;

shared {
    varying vec2 v_uv;
    varying vec4 v_color;
    varying float v_light;
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
        v_light = 0.42 + 0.7 * max(dot(n, normalize(g_lightDirection)), 0.0);
        v_color = g_colorPalette[copy];
        gl_Position = g_viewProjection * (placement * vec4(position.xyz, 1.0));
    }
}

fragment TileFS {
    void main() {
        vec3 face = texture2D(g_diffuseTexture, v_uv).rgb;
        vec2 square = floor(v_uv * 4.0);
        float dark = mod(square.x + square.y, 2.0) * step(v_color.a, 0.99);
        gl_FragColor = vec4(v_color.rgb * face * v_light * (1.0 - 0.8 * dark), 1.0);
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
